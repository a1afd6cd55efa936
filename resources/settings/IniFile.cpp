#include "IniFile.h"

#include <cerrno>

#include "DurableFile.h"
#include "IniDocument.h"
#include "Paths.h"
#include "SettingsErrors.h"

namespace fs = std::filesystem;

IniFile::IniFile(const std::string& name) : name_(name), path_(paths::profileFile(name)) {}

IniFile::Load IniFile::load(std::string& bytes) const {
    durable::ReadResult r = durable::readFile(path_.string());
    bytes = std::move(r.bytes);
    if (r.error == ENOENT) return Load::Missing;
    return r.error ? Load::Failed : Load::Read;
}

namespace {

std::string cutToBuffer(std::string s, std::size_t bufferSize) {
    const std::size_t room = bufferSize > 0 ? bufferSize - 1 : 0;
    if (s.size() > room) s.resize(room);
    return s;
}

}  // namespace

std::optional<std::string> IniFile::ReadValue(const std::string& section, const std::string& key,
                                              std::size_t bufferSize) const {
    std::string bytes;
    load(bytes);
    auto value = IniDocument::parse(bytes).value(section, key);
    if (value) *value = cutToBuffer(std::move(*value), bufferSize);
    return value;
}

std::string IniFile::ReadString(const std::string& section, const std::string& key, const std::string& def,
                                std::size_t bufferSize) const {
    return cutToBuffer(ReadValue(section, key, bufferSize).value_or(def), bufferSize);
}

namespace {

std::vector<std::string> fittingKeys(const IniDocument& doc, const std::string& section, std::size_t bufferSize) {
    std::vector<std::string> result;
    // The list is NUL-separated and ends with a second NUL: a name that would
    // not fit whole is left out, never cut into a different name.
    std::size_t used = 1;
    for (std::string& key : doc.keys(section)) {
        if (used + key.size() + 1 > bufferSize) break;
        used += key.size() + 1;
        result.push_back(std::move(key));
    }
    return result;
}

}  // namespace

std::vector<std::string> IniFile::ReadSection(const std::string& section, std::size_t bufferSize) const {
    std::string bytes;
    load(bytes);
    return fittingKeys(IniDocument::parse(bytes), section, bufferSize);
}

std::vector<std::pair<std::string, std::string>> IniFile::ReadSectionValues(const std::string& section) const {
    std::string bytes;
    load(bytes);
    const IniDocument doc = IniDocument::parse(bytes);
    std::vector<std::pair<std::string, std::string>> result;
    for (const std::string& key : fittingKeys(doc, section, kKeyListBuffer)) {
        std::string value = cutToBuffer(doc.value(section, key).value_or(""), kValueBuffer);
        if (!value.empty()) result.emplace_back(key, std::move(value));
    }
    return result;
}

void IniFile::WriteString(const std::string& section, const std::string& key, const std::string& value) {
    WriteStrings(section, {{key, value}});
}

void IniFile::WriteStrings(const std::string& section,
                           const std::vector<std::pair<std::string, std::string>>& entries) {
    // The settings folder is made again if it went away while the program ran.
    if (!fs::path(name_).has_parent_path()) paths::settingsDir();
    std::string bytes;
    // A file that exists but cannot be read is not replaced: that would lose it.
    if (load(bytes) == Load::Failed) throw EIniWriteError(path_.string());
    IniDocument doc = IniDocument::parse(bytes);
    for (const auto& [key, value] : entries) doc.set(section, key, value);
    // A read-only settings file is never replaced.
    if (!durable::writeFile(path_.string(), doc.serialize())) throw EIniWriteError(path_.string());
}
