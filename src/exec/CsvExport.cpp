#include "exec/CsvExport.h"

#include "text/TextFileWriter.h"

namespace vardex {

bool saveCsv(Dialogs& dialogs, const std::string& title, const std::string& defaultName,
             const std::vector<std::string>& lines) {
    std::string path =
        dialogs.saveFile({" CSV files (*.csv)|*.csv|All files (*.*)|*.*", "", defaultName, title});
    if (path.empty()) return false;
    try {
        writeLines(path, lines);
        return true;
    } catch (const std::exception& e) {
        dialogs.inform("Could not write" + std::string(kNewLine) + path + kNewLine + e.what(),
                       title);
        return false;
    }
}

std::string csvField(const std::string& text) {
    std::string quoted = "\"";
    for (char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

} // namespace vardex
