// SPDX-License-Identifier: GPL-3.0-or-later
// The records module's root object (libtavro_records.so, loaded by the main window when the
// first game is to be recorded or the statistics are first shown): the threaded recorder for the
// main window and the reader for the statistics window, the one owner of the record in the
// process. The recorder is stopped when the application object goes, after the games still
// queued are written.
#include <QCoreApplication>

#include "records/DatabaseReader.h"
#include "records/ThreadedRecorder.h"

namespace tavro {

class RecordsModule : public ThreadedRecorder, public DatabaseReader {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.example.tavro_memory.GameRecorder/1")
    Q_INTERFACES(tavro::GameRecorder tavro::RecordReader)
public:
    RecordsModule() {
        Instance() = this;
        qAddPostRoutine(&RecordsModule::Finish);
    }
    ~RecordsModule() override {
        if (Instance() == this) {
            Instance() = nullptr;
        }
    }

private:
    static RecordsModule*& Instance() {
        static RecordsModule* instance = nullptr;
        return instance;
    }
    static void Finish() { delete Instance(); }
};

}  // namespace tavro

#include "RecordsModule.moc"
