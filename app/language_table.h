#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace airvane {

// The multi-language text file: section "LANGUAGES" names one section per language
// (keys Language_1_Section, Language_2_Section, ...), and each language section holds
// the text keys with their texts and the names of all languages (Language_<n>_Description).
// Every text is looked up at the moment of use through the IniFile service, so an edit
// of the file during a run shows at its next lookup. Used from the main thread only.
class CLanguageTable {
public:
    static constexpr size_t kSectionBufferChars = 400;
    static constexpr size_t kDescriptionBufferChars = 1024;
    static constexpr size_t kTextBufferChars = 4096;

    // Remembers the file and its root section, then Reload. True when at least one
    // language is listed.
    bool Load(const std::string& file_path, const std::string& root_section);
    // Reads the list of languages again and selects language 1. True when at least one
    // language is listed.
    bool Reload();
    // Makes language n (1-based) current; false, changing nothing, when n is out of range.
    bool Select(int32_t n);
    // The text of key in the current language, or default_text when no language is
    // listed or the key is missing.
    std::string GetText(const std::string& key, const std::string& default_text) const;

    int32_t GetCount() const { return m_nCount; }
    // 1-based; -1 while none is selected; 0 before the first load.
    int32_t GetCurrent() const { return m_nCurrent; }
    // The names of language 1, 2, ... in the current language.
    const std::vector<std::string>& GetDescriptions() const { return m_descriptions; }

private:
    std::string ReadKey(const std::string& section, const std::string& key,
                        const std::string& default_text, size_t buffer_chars) const;

    std::vector<std::string> m_sections;
    std::vector<std::string> m_descriptions;
    int32_t m_nCurrent = 0;
    int32_t m_nCount = 0;
    std::string m_strFilePath;
    std::string m_strRootSection;
    std::string m_strCurrentSection;
};

// The process-wide text table.
CLanguageTable& LanguageTable();
void ResetLanguageTable();

}  // namespace airvane
