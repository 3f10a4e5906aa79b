#include "app/language_table.h"

#include "platform/format.h"
#include "platform/services.h"

namespace airvane {

std::string CLanguageTable::ReadKey(const std::string& section, const std::string& key,
                                    const std::string& default_text, size_t buffer_chars) const {
    IniFile* ini = Services().ini_file;
    if (ini == nullptr)
        return default_text;
    return ini->GetString(m_strFilePath, section, key, default_text, buffer_chars);
}

bool CLanguageTable::Load(const std::string& file_path, const std::string& root_section) {
    m_strFilePath = file_path;
    m_strRootSection = root_section;
    return Reload();
}

bool CLanguageTable::Reload() {
    m_sections.clear();
    // A list that comes back empty must not keep showing the names of the old one.
    m_descriptions.clear();
    m_strCurrentSection.clear();
    m_nCurrent = -1;
    // The list ends at the first number whose key is missing or empty.
    for (int i = 1;; ++i) {
        std::string section =
            ReadKey(m_strRootSection, Format("Language_%d_Section", i), "", kSectionBufferChars);
        if (section.empty())
            break;
        m_sections.push_back(std::move(section));
    }
    m_nCount = static_cast<int32_t>(m_sections.size());
    if (m_nCount == 0)
        return false;
    Select(1);
    return true;
}

bool CLanguageTable::Select(int32_t n) {
    if (n < 1 || n > m_nCount)
        return false;
    m_nCurrent = n;
    m_strCurrentSection = m_sections[n - 1];
    m_descriptions.clear();
    for (int32_t i = 1; i <= m_nCount; ++i) {
        m_descriptions.push_back(ReadKey(m_strCurrentSection, Format("Language_%d_Description", i),
                                         m_sections[i - 1], kDescriptionBufferChars));
    }
    return true;
}

std::string CLanguageTable::GetText(const std::string& key, const std::string& default_text) const {
    if (m_nCount < 1)
        return default_text;
    return ReadKey(m_strCurrentSection, key, default_text, kTextBufferChars);
}

namespace {

CLanguageTable& TableRecord() {
    static CLanguageTable table;
    return table;
}

}  // namespace

CLanguageTable& LanguageTable() {
    return TableRecord();
}

void ResetLanguageTable() {
    TableRecord() = CLanguageTable();
}

}  // namespace airvane
