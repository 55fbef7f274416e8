#include "methods/Completamento90.h"

#include "app/Testo.h"
#include "systems/Sviluppo.h"

#include <algorithm>

namespace sestina::metodi {

std::optional<std::pair<int, int>> DimensioniCompletamento(int n)
{
    for (int c = 19; c >= 1; --c)
        if (n % c == 0 && n / c <= 19 && n / c >= 1)
            return std::make_pair(c, n / c);
    return std::nullopt;
}

EsitoCompletamento Completamento90(const std::vector<int> &selezionati, const Cruciverba &cruci)
{
    EsitoCompletamento out;
    std::vector<int> sel = selezionati;
    std::sort(sel.begin(), sel.end());
    sel.erase(std::unique(sel.begin(), sel.end()), sel.end());
    const int b = static_cast<int>(sel.size());
    if (b >= 82) {
        out.messaggio = MsgPochiNumeri;
        return out;
    }
    if (cruci.celle.empty() || std::find(cruci.celle.begin(), cruci.celle.end(), 0) != cruci.celle.end()) {
        out.messaggio = MsgCompletaCruciverba;
        return out;
    }
    auto dim = DimensioniCompletamento(90 - b);
    if (!dim) {
        out.messaggio = MsgNonCostruibile;
        return out;
    }
    std::vector<int> altri;
    for (int n = 1; n <= 90; ++n)
        if (!std::binary_search(sel.begin(), sel.end(), n))
            altri.push_back(n);
    out.numeri = sistemi::OrdineTabellone(altri);
    Cruciverba &c = out.griglia;
    c.colonne = dim->first;
    c.righe = dim->second;
    c.celle = out.numeri;
    c.completo = true;
    return out;
}

std::string DidascaliaCompletamento(const Cruciverba &c)
{
    int n = static_cast<int>(std::count_if(c.celle.begin(), c.celle.end(), [](int x) { return x != 0; }));
    return Formato("Cruciverba Completamento %d", n);
}

} // namespace sestina::metodi
