#include "TWindowsRegistry.h"

#include <algorithm>

#include "IntText.h"
#include "Paths.h"

namespace {

// A registry key name may hold any text; a file name may not hold "/" or NUL.
std::string fileSafe(std::string s) {
    std::replace_if(s.begin(), s.end(), [](char c) { return c == '/' || c == '\0'; }, '_');
    return s;
}

}  // namespace

TWindowsRegistry::TWindowsRegistry(const std::string& company, const std::string& app)
    : company_(company), app_(app) {
    if (company.empty() || app.empty()) return;
    key_.emplace((paths::settingsDir() / (fileSafe(company) + " - " + fileSafe(app) + ".reg")).string());
}

std::string TWindowsRegistry::ReadString(const std::string& section, const std::string& key,
                                         const std::string& def) const {
    if (!key_) return def;
    return key_->ReadString(section, key, def, kValueBuffer);
}

int TWindowsRegistry::ReadInteger(const std::string& section, const std::string& key, int def) const {
    if (!key_) return def;
    const auto text = key_->ReadValue(section, key, kValueBuffer);
    return text ? inttext::StrToInt(*text) : def;
}

bool TWindowsRegistry::ReadBool(const std::string& section, const std::string& key, bool def) const {
    return ReadInteger(section, key, def ? 1 : 0) != 0;
}

void TWindowsRegistry::WriteString(const std::string& section, const std::string& key, const std::string& value) {
    if (key_) key_->WriteString(section, key, value);
}

void TWindowsRegistry::WriteInteger(const std::string& section, const std::string& key, int value) {
    WriteString(section, key, std::to_string(value));
}

void TWindowsRegistry::WriteBool(const std::string& section, const std::string& key, bool value) {
    WriteString(section, key, value ? "1" : "0");
}
