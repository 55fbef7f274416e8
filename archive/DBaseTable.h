#pragma once

#include "app/Data.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sestina::archivio {

// A dBASE III table (".dbf") with text, number and date fields. The table lives
// in a byte buffer: ApriByte/Byte work in memory, Apri/CreaTabella/Chiudi only
// read or write the file named by the table name. Text fields are CP850 in the
// file and UTF-8 in memory.
class TDBaseTable {
public:
    enum class Tipo { Testo, Numero, Data, Logico, Memo };

    struct Definizione {
        std::string nome;
        Tipo tipo = Tipo::Testo;
        int dimensione = 0; // text fields only
        bool richiesto = false;
    };

    struct Campo {
        std::string nome;
        char lettera = 'C'; // type letter as found in the file
        Tipo tipo = Tipo::Testo;
        int lunghezza = 0;
        int decimali = 0;
        int offset = 0; // inside the record; the deletion byte is offset 0
    };

    // 16 bytes of "TDBaseTable", the record's byte offset, one flag byte.
    using Segnalibro = std::array<std::uint8_t, 21>;

    TDBaseTable() = default;
    explicit TDBaseTable(std::string nomeTabella) : m_nome(std::move(nomeTabella)) {}

    const std::string &NomeTabella() const { return m_nome; }
    void ImpostaNomeTabella(std::string nome);
    bool SolaLettura() const { return m_solaLettura; }
    // Only while the table is closed.
    void ImpostaSolaLettura(bool si);
    // The date written into the header; today's date when not set.
    void ImpostaDataAggiornamento(const Data &d) { m_dataAggiornamento = d; }

    void DefinisciCampo(std::string nome, Tipo tipo, int dimensione = 0, bool richiesto = false);
    const std::vector<Definizione> &Definizioni() const { return m_definizioni; }

    // The bytes of a new empty table built from the definitions.
    std::string ByteNuovaTabella() const;
    // Writes a new file named by the table name; fails when it already exists.
    void CreaTabella();

    // Reads the file named by the table name, then as ApriByte.
    void Apri();
    // Opens a table held in memory; the cursor goes before the first record.
    void ApriByte(std::string byte);
    // Rewrites the header when records were added or changed; a table opened
    // from a file is written back (atomically) in that case.
    void Chiudi();
    bool Aperta() const { return m_aperta; }
    // The table's bytes as they stand (after Chiudi: the final file image).
    const std::string &Byte() const { return m_byte; }

    const std::vector<Campo> &Campi() const { return m_campi; }
    int NumeroCampi() const { return static_cast<int>(m_campi.size()); }
    // nullptr when the table has no field of that name (letters compared without case).
    const Campo *TrovaCampo(std::string_view nome) const;
    // Throws "Field '%s' not found".
    const Campo &CampoPerNome(std::string_view nome) const;

    int LunghezzaIntestazione() const { return m_lunghezzaIntestazione; }
    // False when the header length written in the file is not where the field
    // descriptors end (their 0x0D mark missing or followed by other bytes).
    bool IntestazioneCoerente() const { return m_intestazioneCoerente; }
    int LunghezzaRecord() const { return m_lunghezzaRecord; }
    // The record count written in the header.
    std::uint32_t ContaRecord() const;
    // Whole records the data really holds, deleted ones included: up to the
    // first 0x1A at a record start or the end of the file.
    int RecordPresenti() const { return m_presenti; }
    // True when the data ends with part of a record (a cut file).
    bool CodaIncompleta() const { return m_codaIncompleta; }

    void Primo();
    void Successivo();
    void Precedente();
    void Ultimo();
    bool FineDati() const { return m_fine; }
    bool InizioDati() const { return m_inizio; }
    // 0-based position of the current record among the physical records.
    int NumeroRecord() const;
    bool RecordCorrente() const { return m_posizione >= static_cast<size_t>(m_lunghezzaIntestazione) && !m_fine; }

    Segnalibro PrendiSegnalibro() const;
    void VaiASegnalibro(const Segnalibro &s);
    static bool SegnalibroValido(const Segnalibro &s);
    static bool SegnalibriUguali(const Segnalibro &a, const Segnalibro &b);

    // Field values of the current record (or of the record being edited).
    // A field of spaces is null: no date, no number, empty text.
    std::optional<Data> ComeData(std::string_view nome) const;
    std::optional<double> ComeNumero(std::string_view nome) const;
    // Text fields read as a decimal integer, number fields rounded.
    std::optional<long long> ComeIntero(std::string_view nome) const;
    std::string ComeTesto(std::string_view nome) const;
    bool Nullo(std::string_view nome) const;

    void Aggiungi();
    void Modifica();
    void ImpostaTesto(std::string_view nome, std::string_view testo);
    void ImpostaIntero(std::string_view nome, long long valore);
    void ImpostaNumero(std::string_view nome, double valore);
    void ImpostaData(std::string_view nome, const Data &d);
    void ImpostaNullo(std::string_view nome);
    void Registra();
    void Annulla();
    void Elimina();

private:
    enum class Stato { Navigazione, Inserimento, Modifica };

    void RichiediAperta() const;
    // Open, not read-only, and no record being appended or edited.
    void RichiediModificabile() const;
    std::string_view ValoreGrezzo(const Campo &c) const;
    const Campo &CampoDaImpostare(std::string_view nome);
    void ScriviCampo(const Campo &c, std::string_view byte, bool aDestra);
    void LeggiQui();
    bool Vivo(size_t pos) const;
    void AggiornaIntestazione();

    std::string m_nome;
    bool m_solaLettura = false;
    std::optional<Data> m_dataAggiornamento;
    std::vector<Definizione> m_definizioni;

    bool m_aperta = false;
    bool m_daFile = false;
    bool m_modificata = false;
    std::string m_byte;
    std::vector<Campo> m_campi;
    int m_lunghezzaIntestazione = 0;
    int m_lunghezzaRecord = 0;
    int m_presenti = 0;
    bool m_codaIncompleta = false;
    bool m_intestazioneCoerente = true;

    size_t m_posizione = 0; // byte offset of the current record; 0 before the first
    bool m_fine = true;
    bool m_inizio = true;
    Stato m_stato = Stato::Navigazione;
    std::string m_record; // the record being edited or appended
};

} // namespace sestina::archivio
