#pragma once
// The profile functions over one settings file: read a string with a
// default, list the keys of a section, write a string. Nothing is cached:
// every call reads the file, so a value written anywhere is seen by the next
// read. A missing or unreadable file reads as empty.

#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class IniFile {
public:
    // The buffers of the profile functions: value reads and key lists.
    static constexpr std::size_t kValueBuffer = 1024;
    static constexpr std::size_t kKeyListBuffer = 8192;

    // A name without a folder lives in the settings folder.
    explicit IniFile(const std::string& name);

    const std::string& name() const { return name_; }
    const std::filesystem::path& path() const { return path_; }

    // The stored text, or def when the key (or section, or file) is absent;
    // a key present with an empty value gives "". As with a fixed buffer of
    // bufferSize bytes, the result is cut to bufferSize - 1 characters.
    std::string ReadString(const std::string& section, const std::string& key, const std::string& def,
                           std::size_t bufferSize = kValueBuffer) const;

    // The same read without a default: nullopt when the key is absent.
    std::optional<std::string> ReadValue(const std::string& section, const std::string& key,
                                         std::size_t bufferSize = kValueBuffer) const;

    // The keys of the section in file order, as many whole names (each with
    // its terminating NUL) as fit a list buffer of bufferSize bytes.
    std::vector<std::string> ReadSection(const std::string& section, std::size_t bufferSize = kKeyListBuffer) const;

    // Key and value of every key of ReadSection whose value is not empty.
    std::vector<std::pair<std::string, std::string>> ReadSectionValues(const std::string& section) const;

    // Writes one value; the file is replaced atomically. Raises
    // EIniWriteError ("Unable to write to <path>") and leaves the file as it
    // was when it cannot be written.
    void WriteString(const std::string& section, const std::string& key, const std::string& value);

    // Several values of one section in one replacement: all or nothing.
    void WriteStrings(const std::string& section, const std::vector<std::pair<std::string, std::string>>& entries);

private:
    enum class Load { Missing, Read, Failed };
    Load load(std::string& bytes) const;

    std::string name_;
    std::filesystem::path path_;
};
