#include "platform/linux/command_line_words.h"

namespace airvane {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}

bool EscapableInDoubleQuotes(char c) {
    return c == '"' || c == '\\' || c == '$' || c == '`';
}

}  // namespace

int SplitCommandLine(const std::string& line, std::vector<std::string>* words) {
    words->clear();
    std::string word;
    bool in_word = false;  // a word has started, even if it is still empty ("")
    size_t i = 0;
    const size_t n = line.size();
    while (i < n) {
        char c = line[i];
        if (IsBlank(c)) {
            if (in_word)
                words->push_back(word);
            word.clear();
            in_word = false;
            ++i;
        } else if (c == '\\') {
            if (i + 1 >= n) {
                words->clear();
                return -1;
            }
            if (line[i + 1] != '\n') {
                word += line[i + 1];
                in_word = true;
            }
            i += 2;
        } else if (c == '\'') {
            size_t close = line.find('\'', i + 1);
            if (close == std::string::npos) {
                words->clear();
                return -1;
            }
            word.append(line, i + 1, close - i - 1);
            in_word = true;
            i = close + 1;
        } else if (c == '"') {
            ++i;
            bool closed = false;
            while (i < n) {
                char d = line[i];
                if (d == '"') {
                    closed = true;
                    ++i;
                    break;
                }
                if (d == '\\' && i + 1 < n &&
                    (EscapableInDoubleQuotes(line[i + 1]) || line[i + 1] == '\n')) {
                    if (line[i + 1] != '\n')
                        word += line[i + 1];
                    i += 2;
                    continue;
                }
                word += d;
                ++i;
            }
            if (!closed) {
                words->clear();
                return -1;
            }
            in_word = true;
        } else {
            word += c;
            in_word = true;
            ++i;
        }
    }
    if (in_word)
        words->push_back(word);
    return 0;
}

}  // namespace airvane
