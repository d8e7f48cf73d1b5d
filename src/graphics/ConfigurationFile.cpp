#include "graphics/ConfigurationFile.h"

#include "graphics/SettingNode.h"
#include "graphics/TextEncoding.h"
#include "model/LineReader.h"
#include "model/TextFile.h"

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <system_error>
#include <unistd.h>

namespace venkar {

namespace fs = std::filesystem;

namespace {

bool isBlankOrControl(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte <= 0x20 || byte == 0x7F;
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlankOrControl(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlankOrControl(text.back()))
        text.remove_suffix(1);
    return text;
}

bool isWritableFolder(const fs::path& folder) {
    return ::access(folder.empty() ? "." : folder.c_str(), W_OK | X_OK) == 0;
}

} // namespace

fs::path userConfigurationFolder() {
    const char* configHome = std::getenv("XDG_CONFIG_HOME");
    if (configHome && fs::path(configHome).is_absolute())
        return fs::path(configHome) / "venkar";
    const char* home = std::getenv("HOME");
    return fs::path(home ? home : "") / ".config" / "venkar";
}

fs::path configurationFilePath(const fs::path& programPath) {
    fs::path fileName = programPath.filename();
    fileName.replace_extension("dat");
    const fs::path programFolder = programPath.parent_path();
    if (isWritableFolder(programFolder))
        return programFolder / fileName;
    return userConfigurationFolder() / fileName;
}

std::string defaultPlotConfiguration(const std::string& programPath) {
    std::error_code ignored;
    const fs::path program = fs::absolute(programPath, ignored);
    return configurationFilePath(program.parent_path() / "venkar").string();
}

void readSettingsText(SettingNode& root, std::string_view bytes) {
    readSettingsText({&root}, bytes);
}

void readSettingsText(std::initializer_list<SettingNode*> roots, std::string_view bytes) {
    const bool utf8 = isValidUtf8(bytes);
    // The line reader works on the file's own bytes, so that its length
    // limit counts the characters of a Windows-1252 file as written.
    LineReader reader{std::string(bytes)};
    while (!reader.atEnd()) {
        std::string raw = reader.readLine();
        // A line ends at a NUL byte, as the C strings its values are written
        // from; what follows could never be written back.
        raw.resize(std::min(raw.size(), raw.find('\0')));
        const std::string line = utf8 ? raw : windows1252ToUtf8(raw);
        const std::size_t equals = line.find('=');
        if (equals == std::string::npos)
            continue; // an empty key matches no node
        const std::string_view key = trimmed(std::string_view(line).substr(0, equals));
        for (SettingNode* root : roots)
            if (SettingNode* node = root->findByPath(key))
                node->setFromText(trimmed(std::string_view(line).substr(equals + 1)));
    }
}

void readSettings(SettingNode& root, const fs::path& file) {
    readSettings({&root}, file);
}

void readSettings(std::initializer_list<SettingNode*> roots, const fs::path& file) {
    const std::optional<std::string> content = readTextFile(file);
    if (content)
        readSettingsText(roots, *content);
}

std::string settingsFileText(const SettingNode& root) {
    return settingsFileText({&root});
}

std::string settingsFileText(std::initializer_list<const SettingNode*> roots) {
    // Encoded as a whole: the reader decides on one encoding for the file.
    std::string text;
    for (const SettingNode* root : roots)
        root->writeChanged(text);
    std::optional<std::string> encoded = utf8ToWindows1252(text);
    return encoded ? std::move(*encoded) : text;
}

bool writeSettings(const SettingNode& root, const fs::path& file) {
    return writeSettings({&root}, file);
}

bool writeSettings(std::initializer_list<const SettingNode*> roots, const fs::path& file) {
    if (file.has_parent_path()) {
        std::error_code ignored;
        fs::create_directories(file.parent_path(), ignored);
    }
    return writeTextFileAtomically(file, settingsFileText(roots));
}

} // namespace venkar
