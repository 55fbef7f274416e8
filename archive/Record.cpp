#include "archive/Record.h"

namespace sestina::archivio {

namespace {
void Scrivi16(std::uint8_t *p, std::uint16_t v)
{
    p[0] = static_cast<std::uint8_t>(v & 0xFF);
    p[1] = static_cast<std::uint8_t>(v >> 8);
}
std::uint16_t Leggi16(const std::uint8_t *p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }
} // namespace

std::array<std::uint8_t, 8> RecordData::Codifica() const
{
    std::array<std::uint8_t, 8> b{};
    Scrivi16(&b[0], giorno);
    Scrivi16(&b[2], mese);
    Scrivi16(&b[4], anno);
    Scrivi16(&b[6], concorso);
    return b;
}

RecordData RecordData::Decodifica(const std::uint8_t *b)
{
    return RecordData{Leggi16(b), Leggi16(b + 2), Leggi16(b + 4), Leggi16(b + 6)};
}

std::array<std::uint8_t, 8> RecordSuperenalotto::Codifica() const
{
    std::array<std::uint8_t, 8> b{};
    for (int i = 0; i < 6; ++i)
        b[static_cast<size_t>(i)] = numeri[static_cast<size_t>(i)];
    b[6] = jolly;
    b[7] = superstar;
    return b;
}

RecordSuperenalotto RecordSuperenalotto::Decodifica(const std::uint8_t *b)
{
    RecordSuperenalotto r;
    for (int i = 0; i < 6; ++i)
        r.numeri[static_cast<size_t>(i)] = b[i];
    r.jolly = b[6];
    r.superstar = b[7];
    return r;
}

std::array<std::uint8_t, 5> RecordRuotaLotto::Codifica() const
{
    std::array<std::uint8_t, 5> b{};
    for (size_t i = 0; i < 5; ++i)
        b[i] = static_cast<std::uint8_t>(numeri[i] + 32);
    return b;
}

RecordRuotaLotto RecordRuotaLotto::Decodifica(const std::uint8_t *b)
{
    RecordRuotaLotto r;
    for (size_t i = 0; i < 5; ++i)
        r.numeri[i] = static_cast<std::uint8_t>(b[i] - 32);
    return r;
}

} // namespace sestina::archivio
