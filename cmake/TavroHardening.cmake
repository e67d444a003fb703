# SPDX-License-Identifier: GPL-3.0-or-later
# The hardening Debian builds its packages with (dpkg-buildflags, hardening=+all), for the whole
# build when TAVRO_HARDENING is on: stack protector, checked format strings, fortified libc calls
# in optimised builds, control-flow protection on x86, and full RELRO (the GOT read-only once
# every symbol is bound at start-up: -z relro -z now). The compiler makes PIE by default.
option(TAVRO_HARDENING "Build with Debian's hardening flags" ON)
if(TAVRO_HARDENING AND NOT MSVC)
    add_compile_options(-fstack-protector-strong -Wformat -Werror=format-security)
    # glibc warns of _FORTIFY_SOURCE without optimisation, and it gets in AddressSanitizer's way.
    if(NOT TAVRO_SANITIZE)
        set(optimised "$<CONFIG:Release,RelWithDebInfo,MinSizeRel>")
        add_compile_options("$<${optimised}:-U_FORTIFY_SOURCE>" "$<${optimised}:-D_FORTIFY_SOURCE=2>")
    endif()
    if(CMAKE_SYSTEM_PROCESSOR MATCHES "^(x86_64|AMD64|amd64|i[3-6]86)$")
        include(CheckCXXCompilerFlag)
        check_cxx_compiler_flag(-fcf-protection TAVRO_HAVE_CF_PROTECTION)
        if(TAVRO_HAVE_CF_PROTECTION)
            add_compile_options(-fcf-protection)
        endif()
    endif()
    add_link_options(LINKER:-z,relro LINKER:-z,now)
endif()
