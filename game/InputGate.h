// SPDX-License-Identifier: GPL-3.0-or-later
// The program's input gate, InputState: one byte that every tile click and every main-menu
// command except Exit checks first. Nobody writes the byte: whatever must keep the player's input
// out (a turn under way, a pending wait, a game with no deal, a dialog on screen) takes a Hold,
// and the gate is closed while any hold lives. Holds are counted, so a dialog that closes cannot
// open a gate that a pending wait still holds, and a hold ends with its owner's scope, so no
// exception can leave the gate closed.
#pragma once

#include <cstdint>
#include <utility>

namespace tavro {

inline constexpr std::uint8_t kInputBusy = 0;  // clicks and commands but Exit are ignored
inline constexpr std::uint8_t kInputReady = 1;

class InputGate {
public:
    // Keeps the gate closed from its making until it is released or destroyed. It can be moved
    // (the hold goes with it), not copied; a hold made without a gate holds nothing.
    class Hold {
    public:
        Hold() = default;
        explicit Hold(InputGate& gate) : gate_(&gate) { gate.Take(); }
        Hold(Hold&& other) noexcept : gate_(std::exchange(other.gate_, nullptr)) {}
        Hold& operator=(Hold&& other) noexcept {
            if (this != &other) {
                Release();
                gate_ = std::exchange(other.gate_, nullptr);
            }
            return *this;
        }
        Hold(const Hold&) = delete;
        Hold& operator=(const Hold&) = delete;
        ~Hold() { Release(); }

        bool Holds() const { return gate_ != nullptr; }
        bool HoldsGate(const InputGate& gate) const { return gate_ == &gate; }
        void Release() {
            if (gate_ != nullptr) {
                std::exchange(gate_, nullptr)->Give();
            }
        }

    private:
        InputGate* gate_ = nullptr;
    };

    InputGate() = default;  // open
    InputGate(const InputGate&) = delete;
    InputGate& operator=(const InputGate&) = delete;

    bool IsOpen() const { return state_ == kInputReady; }
    // Whether this hold alone keeps the gate closed: no dialog, no other step holds it too.
    bool IsHeldOnlyBy(const Hold& hold) const { return holds_ == 1 && hold.HoldsGate(*this); }
    // InputState itself, kInputBusy or kInputReady.
    operator std::uint8_t() const { return state_; }

private:
    void Take() {
        ++holds_;
        state_ = kInputBusy;
    }
    void Give() {
        if (--holds_ == 0) {
            state_ = kInputReady;
        }
    }

    int holds_ = 0;
    std::uint8_t state_ = kInputReady;
};

}  // namespace tavro
