#pragma once

#include "app/Data.h"

#include <array>
#include <cstdint>

namespace sestina::archivio {

// Date file record, 8 bytes: day, month, year, contest number, little-endian 16-bit.
struct RecordData {
    std::uint16_t giorno = 0;
    std::uint16_t mese = 0;
    std::uint16_t anno = 0;
    std::uint16_t concorso = 0;

    static constexpr int Dimensione = 8;
    std::array<std::uint8_t, 8> Codifica() const;
    static RecordData Decodifica(const std::uint8_t *byte);
    Data data() const { return Data{giorno, mese, anno}; }
    friend bool operator==(const RecordData &, const RecordData &) = default;
};

// "Superena.cxz" record, 8 bytes: six numbers, jolly, superstar.
struct RecordSuperenalotto {
    std::array<std::uint8_t, 6> numeri{};
    std::uint8_t jolly = 0;
    std::uint8_t superstar = 0;

    static constexpr int Dimensione = 8;
    std::array<std::uint8_t, 8> Codifica() const;
    static RecordSuperenalotto Decodifica(const std::uint8_t *byte);
    friend bool operator==(const RecordSuperenalotto &, const RecordSuperenalotto &) = default;
};

// Lotto wheel record, 5 bytes, each number stored as number + 32.
struct RecordRuotaLotto {
    std::array<std::uint8_t, 5> numeri{};
    static constexpr int Dimensione = 5;
    std::array<std::uint8_t, 5> Codifica() const;
    static RecordRuotaLotto Decodifica(const std::uint8_t *byte);
};

// "Lotto10.cxz" record: twenty numbers, plain bytes, ascending.
struct RecordLotto10 {
    std::array<std::uint8_t, 20> numeri{};
    static constexpr int Dimensione = 20;
};

// One draw of this edition: the same record number in both files.
struct Estrazione {
    RecordData data;
    RecordSuperenalotto numeri;
    friend bool operator==(const Estrazione &, const Estrazione &) = default;
};

} // namespace sestina::archivio
