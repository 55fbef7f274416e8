#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace sestina {

// Compares character codes with only the ASCII letters folded to upper case (no
// locale rules); a text that begins the other comes first. <0, 0, >0.
int ConfrontaTesti(std::string_view a, std::string_view b);

// Ordered list of texts; every text file of the program is read and written
// through it: Windows-1252 on disk, one value per line, lines ended by CR LF.
class TExStringList {
public:
    TExStringList() = default;
    TExStringList(std::initializer_list<std::string> righe) : m_righe(righe) {}

    int Count() const { return static_cast<int>(m_righe.size()); }
    bool empty() const { return m_righe.empty(); }
    void Clear() { m_righe.clear(); }
    void Add(std::string s) { m_righe.push_back(std::move(s)); }
    void Insert(int i, std::string s);
    void Delete(int i);
    // Throws Errore "List index out of bounds (%d)".
    const std::string &operator[](int i) const;
    std::string &operator[](int i);
    // -1 when absent.
    int IndexOf(std::string_view s) const;
    void Sort();

    // Text as the file holds it (UTF-8 in memory): lines joined by CR LF, one after each line.
    std::string Text() const;
    void SetText(std::string_view utf8);

    void LoadFromFile(const std::string &percorso);
    void SaveToFile(const std::string &percorso) const;

    const std::vector<std::string> &righe() const { return m_righe; }
    std::vector<std::string>::const_iterator begin() const { return m_righe.begin(); }
    std::vector<std::string>::const_iterator end() const { return m_righe.end(); }

private:
    void controllaIndice(int i) const;
    std::vector<std::string> m_righe;
};

} // namespace sestina
