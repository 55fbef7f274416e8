#include "app/TExStringList.h"

#include "app/Errore.h"
#include "app/FileAtomico.h"
#include "app/Testo.h"

#include <algorithm>

namespace sestina {

int ConfrontaTesti(std::string_view a, std::string_view b)
{
    size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        unsigned char x = static_cast<unsigned char>(a[i]);
        unsigned char y = static_cast<unsigned char>(b[i]);
        if (x >= 'a' && x <= 'z')
            x -= 32;
        if (y >= 'a' && y <= 'z')
            y -= 32;
        if (x != y)
            return x < y ? -1 : 1;
    }
    if (a.size() == b.size())
        return 0;
    return a.size() < b.size() ? -1 : 1;
}

void TExStringList::controllaIndice(int i) const
{
    if (i < 0 || i >= Count())
        throw Errore("List index out of bounds (" + std::to_string(i) + ")");
}

void TExStringList::Insert(int i, std::string s)
{
    if (i < 0 || i > Count())
        throw Errore("List index out of bounds (" + std::to_string(i) + ")");
    m_righe.insert(m_righe.begin() + i, std::move(s));
}

void TExStringList::Delete(int i)
{
    controllaIndice(i);
    m_righe.erase(m_righe.begin() + i);
}

const std::string &TExStringList::operator[](int i) const
{
    controllaIndice(i);
    return m_righe[static_cast<size_t>(i)];
}

std::string &TExStringList::operator[](int i)
{
    controllaIndice(i);
    return m_righe[static_cast<size_t>(i)];
}

int TExStringList::IndexOf(std::string_view s) const
{
    for (int i = 0; i < Count(); ++i)
        if (ConfrontaTesti(m_righe[static_cast<size_t>(i)], s) == 0)
            return i;
    return -1;
}

void TExStringList::Sort()
{
    std::stable_sort(m_righe.begin(), m_righe.end(),
                     [](const std::string &a, const std::string &b) { return ConfrontaTesti(a, b) < 0; });
}

std::string TExStringList::Text() const
{
    std::string out;
    for (const auto &r : m_righe) {
        out += r;
        out += "\r\n";
    }
    return out;
}

void TExStringList::SetText(std::string_view t)
{
    m_righe.clear();
    size_t i = 0;
    while (i < t.size()) {
        size_t j = i;
        while (j < t.size() && t[j] != '\r' && t[j] != '\n')
            ++j;
        m_righe.emplace_back(t.substr(i, j - i));
        if (j < t.size() && t[j] == '\r')
            ++j;
        if (j < t.size() && t[j] == '\n')
            ++j;
        i = j;
    }
}

void TExStringList::LoadFromFile(const std::string &percorso) { SetText(DaCp1252AUtf8(LeggiFile(percorso))); }

void TExStringList::SaveToFile(const std::string &percorso) const
{
    ScriviFileAtomico(percorso, DaUtf8ACp1252(Text()));
}

} // namespace sestina
