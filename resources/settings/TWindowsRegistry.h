#pragma once
// The registry back end of the settings store. Linux has no registry: the
// key "<company>\<application>" is a file of its own in the settings folder,
// "<company> - <application>.reg", each (section, key) one entry of it. The
// reading rules are the registry's: 256-byte reads, and an integer read that
// finds text which is no number raises EConvertError.

#include <optional>
#include <string>

#include "IniFile.h"

class TWindowsRegistry {
public:
    static constexpr std::size_t kValueBuffer = 256;

    // Opens (creates on first write) the key; when the names cannot form a
    // key the handle stays empty, reads give defaults and writes do nothing.
    TWindowsRegistry(const std::string& company, const std::string& app);

    bool IsOpen() const { return key_.has_value(); }
    const std::string& Company() const { return company_; }
    const std::string& App() const { return app_; }

    std::string ReadString(const std::string& section, const std::string& key, const std::string& def) const;
    int ReadInteger(const std::string& section, const std::string& key, int def) const;
    bool ReadBool(const std::string& section, const std::string& key, bool def) const;
    void WriteString(const std::string& section, const std::string& key, const std::string& value);
    void WriteInteger(const std::string& section, const std::string& key, int value);
    void WriteBool(const std::string& section, const std::string& key, bool value);

private:
    std::string company_, app_;
    std::optional<IniFile> key_;  // the open key handle
};
