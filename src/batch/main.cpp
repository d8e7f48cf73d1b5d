// venkar-batch: reads a system and a load case, checks and calculates them
// and writes the reports and the results without a window.
#include "batch/BatchOptions.h"
#include "batch/BatchRun.h"

#include <QString>
#include <QtGlobal>

#include <clocale>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

namespace {

// The absolute path of this program, for the default configuration file.
std::string programPath(const char* argumentZero) {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error)
        return self.string();
    return std::filesystem::absolute(argumentZero, error).string();
}

bool showQtMessages = false;

// Qt's own notes (a missing runtime folder, font fallbacks) are no business of
// a batch user: they go to standard error only with --verbose. Critical and
// fatal messages always do.
void filterQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type != QtCriticalMsg && type != QtFatalMsg && !showQtMessages)
        return;
    std::cerr << message.toStdString() << "\n";
}

} // namespace

int main(int argc, char** argv) {
    std::setlocale(LC_ALL, "C");
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    try {
        venkar::BatchOptions options = venkar::parseBatchOptions(arguments);
        options.programPath = programPath(argv[0]);
        showQtMessages = options.verbose;
        qInstallMessageHandler(filterQtMessages);
        if (options.help) {
            std::cout << venkar::batchUsage();
            return venkar::exitSuccess;
        }
        return venkar::runBatch(options, std::cout, std::cerr);
    } catch (const venkar::UsageError& error) {
        std::cerr << "venkar-batch: " << error.what() << "\n"
                  << "Aufruf: venkar-batch [Optionen] SYSTEM.vsy [LASTFALL.vla]"
                     " (--help zeigt alle Optionen)\n";
        return venkar::exitUsage;
    }
}
