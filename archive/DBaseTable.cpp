#include "archive/DBaseTable.h"

#include "app/Errore.h"
#include "app/FileAtomico.h"
#include "app/Testo.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstring>
#include <ctime>

namespace sestina::archivio {

namespace {

constexpr std::uint8_t FineIntestazione = 0x0D;
constexpr std::uint8_t FineDatiByte = 0x1A;
constexpr char TestoSegnalibro[] = "TDBaseTable";

std::uint16_t Leggi16(const std::string &b, size_t i)
{
    return static_cast<std::uint16_t>(static_cast<std::uint8_t>(b[i]) | (static_cast<std::uint8_t>(b[i + 1]) << 8));
}

std::uint32_t Leggi32(const std::string &b, size_t i)
{
    return static_cast<std::uint32_t>(Leggi16(b, i)) | (static_cast<std::uint32_t>(Leggi16(b, i + 2)) << 16);
}

void Scrivi16(std::string &b, size_t i, unsigned v)
{
    b[i] = static_cast<char>(v & 0xFF);
    b[i + 1] = static_cast<char>((v >> 8) & 0xFF);
}

void Scrivi32(std::string &b, size_t i, std::uint32_t v)
{
    Scrivi16(b, i, v & 0xFFFF);
    Scrivi16(b, i + 2, v >> 16);
}

bool UgualeSenzaMaiuscole(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'a' && x <= 'z')
            x = static_cast<char>(x - 32);
        if (y >= 'a' && y <= 'z')
            y = static_cast<char>(y - 32);
        if (x != y)
            return false;
    }
    return true;
}

Data Oggi()
{
    std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    return Data{tm.tm_mday, tm.tm_mon + 1, tm.tm_year + 1900};
}

// Field texts are nearly always plain ASCII, which reads the same in every code page.
bool Ascii(std::string_view s)
{
    for (char c : s)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

std::string DaOem(std::string_view s) { return Ascii(s) ? std::string(s) : DaCp850AUtf8(s); }
std::string AOem(std::string_view s) { return Ascii(s) ? std::string(s) : DaUtf8ACp850(s); }

Errore NonValidoFloat(std::string_view testo)
{
    return Errore("'" + std::string(testo) + "' is not a valid floating point value");
}

double LeggiDecimalePunto(std::string_view grezzo)
{
    std::string t = Trim(grezzo);
    const char *inizio = t.data();
    if (!t.empty() && t[0] == '+')
        ++inizio;
    double v = 0;
    auto [fine, ec] = std::from_chars(inizio, t.data() + t.size(), v);
    if (t.empty() || ec != std::errc() || fine != t.data() + t.size() || !std::isfinite(v))
        throw NonValidoFloat(t);
    return v;
}

} // namespace

void TDBaseTable::ImpostaNomeTabella(std::string nome)
{
    if (m_aperta)
        throw Errore("Impossibile cambiare il nome di una tabella aperta");
    m_nome = std::move(nome);
}

void TDBaseTable::ImpostaSolaLettura(bool si)
{
    if (m_aperta)
        throw Errore("Impossibile cambiare la sola lettura di una tabella aperta");
    m_solaLettura = si;
}

void TDBaseTable::DefinisciCampo(std::string nome, Tipo tipo, int dimensione, bool richiesto)
{
    m_definizioni.push_back(Definizione{std::move(nome), tipo, dimensione, richiesto});
}

std::string TDBaseTable::ByteNuovaTabella() const
{
    const size_t n = m_definizioni.size();
    if (32 * n + 33 > 0xFFFF)
        throw Errore("Troppi campi nella tabella");
    std::string b(32 + 32 * n + 2, '\0');
    Data oggi = m_dataAggiornamento.value_or(Oggi());
    b[0] = 3;
    b[1] = static_cast<char>((oggi.anno - 1900) & 0xFF);
    b[2] = static_cast<char>(oggi.mese);
    b[3] = static_cast<char>(oggi.giorno);
    Scrivi16(b, 8, static_cast<unsigned>(32 * n + 33));
    b[29] = 0x26;
    unsigned lunghezzaRecord = 1;
    for (size_t i = 0; i < n; ++i) {
        const Definizione &d = m_definizioni[i];
        if (d.nome.size() > 11)
            throw Errore(Formato("Field name too big in field \"%s\"", d.nome.c_str()));
        if (d.nome.empty())
            throw Errore("Nome di campo vuoto nella definizione della tabella");
        for (size_t j = 0; j < i; ++j)
            if (UgualeSenzaMaiuscole(m_definizioni[j].nome, d.nome))
                throw Errore(Formato("Il campo \"%s\" è definito due volte", d.nome.c_str()));
        char lettera;
        int lunghezza, decimali = 0;
        switch (d.tipo) {
        case Tipo::Testo:
            if (d.dimensione < 1 || d.dimensione > 254)
                throw Errore(Formato("Dimensione %d non valida nel campo \"%s\" (da 1 a 254)", d.dimensione,
                                     d.nome.c_str()));
            lettera = 'C';
            lunghezza = d.dimensione;
            break;
        case Tipo::Numero:
            lettera = 'N';
            lunghezza = 15;
            decimali = 4;
            break;
        case Tipo::Data:
            lettera = 'D';
            lunghezza = 8;
            break;
        default:
            throw Errore(Formato("Field type not supported in field \"%s\"", d.nome.c_str()));
        }
        size_t p = 32 + 32 * i;
        std::memcpy(&b[p], d.nome.data(), d.nome.size());
        b[p + 11] = lettera;
        b[p + 16] = static_cast<char>(lunghezza);
        b[p + 17] = static_cast<char>(decimali);
        lunghezzaRecord += static_cast<unsigned>(lunghezza);
    }
    if (lunghezzaRecord > 0xFFFF)
        throw Errore("Record della tabella troppo lungo");
    Scrivi16(b, 10, lunghezzaRecord);
    b[32 + 32 * n] = static_cast<char>(FineIntestazione);
    b[32 + 32 * n + 1] = static_cast<char>(FineDatiByte);
    return b;
}

void TDBaseTable::CreaTabella()
{
    if (m_nome.empty())
        throw Errore("Table name is blank");
    const std::string byte = ByteNuovaTabella();
    // Written beside the target and linked into place: never half a table, and
    // link() refuses an existing file just as an exclusive create would.
    const std::string temp = m_nome + ".nuovo";
    try {
        ScriviFileCompleto(temp, byte, m_nome);
        CollegaFile(temp, m_nome);
    } catch (...) {
        try {
            CancellaFile(temp);
        } catch (...) {
        }
        throw;
    }
    CancellaFile(temp);
}

void TDBaseTable::Apri()
{
    if (m_nome.empty())
        throw Errore("Table name is blank");
    ApriByte(LeggiFile(m_nome));
    m_daFile = true;
}

void TDBaseTable::ApriByte(std::string byte)
{
    m_aperta = false;
    m_daFile = false;
    m_modificata = false;
    m_campi.clear();
    m_byte = std::move(byte);
    if (m_byte.size() < 32)
        throw Errore("DBF file header is incorrect");
    if (static_cast<std::uint8_t>(m_byte[0]) != 3)
        throw Errore("Invalid file format");
    const size_t hl = Leggi16(m_byte, 8);
    if (hl <= 32 || m_byte.size() < hl)
        throw Errore("File corrupted");
    std::vector<Campo> campi;
    int offset = 1;
    size_t p = 32;
    for (; p < hl && static_cast<std::uint8_t>(m_byte[p]) != FineIntestazione; p += 32) {
        if (p + 32 > hl)
            throw Errore("File corrupted");
        Campo c;
        size_t lung = 0;
        while (lung < 11 && m_byte[p + lung] != '\0')
            ++lung;
        c.nome = m_byte.substr(p, lung);
        c.lettera = m_byte[p + 11];
        switch (c.lettera) {
        case 'C': c.tipo = Tipo::Testo; break;
        case 'D': c.tipo = Tipo::Data; break;
        case 'F':
        case 'N': c.tipo = Tipo::Numero; break;
        default: throw Errore(Formato("Field type not supported in field \"%s\"", c.nome.c_str()));
        }
        c.lunghezza = static_cast<std::uint8_t>(m_byte[p + 16]);
        c.decimali = static_cast<std::uint8_t>(m_byte[p + 17]);
        c.offset = offset;
        offset += c.lunghezza;
        campi.push_back(std::move(c));
    }
    if (offset != Leggi16(m_byte, 10))
        throw Errore("File corrupted");
    // dBASE III puts the data right after the 0x0D mark; some writers add one 0x00.
    m_intestazioneCoerente =
        p < hl && (hl == p + 1 || (hl == p + 2 && m_byte[p + 1] == '\0'));

    m_campi = std::move(campi);
    m_lunghezzaIntestazione = static_cast<int>(hl);
    m_lunghezzaRecord = offset;
    // What the data really holds decides, not the header's count.
    size_t pos = hl;
    const size_t rl = static_cast<size_t>(offset);
    m_presenti = 0;
    while (pos + rl <= m_byte.size() && static_cast<std::uint8_t>(m_byte[pos]) != FineDatiByte) {
        ++m_presenti;
        pos += rl;
    }
    m_codaIncompleta = pos < m_byte.size() && static_cast<std::uint8_t>(m_byte[pos]) != FineDatiByte;
    m_posizione = 0;
    m_fine = false;
    m_inizio = true;
    m_stato = Stato::Navigazione;
    m_aperta = true;
}

void TDBaseTable::Chiudi()
{
    if (!m_aperta)
        return;
    m_stato = Stato::Navigazione;
    if (m_modificata) {
        AggiornaIntestazione();
        Data oggi = m_dataAggiornamento.value_or(Oggi());
        m_byte[1] = static_cast<char>((oggi.anno - 1900) & 0xFF);
        m_byte[2] = static_cast<char>(oggi.mese);
        m_byte[3] = static_cast<char>(oggi.giorno);
        if (m_daFile)
            ScriviFileAtomico(m_nome, m_byte);
    }
    m_aperta = false;
    m_modificata = false;
}

void TDBaseTable::AggiornaIntestazione() { Scrivi32(m_byte, 4, static_cast<std::uint32_t>(m_presenti)); }

const TDBaseTable::Campo *TDBaseTable::TrovaCampo(std::string_view nome) const
{
    for (const auto &c : m_campi)
        if (UgualeSenzaMaiuscole(c.nome, nome))
            return &c;
    return nullptr;
}

const TDBaseTable::Campo &TDBaseTable::CampoPerNome(std::string_view nome) const
{
    if (const Campo *c = TrovaCampo(nome))
        return *c;
    throw Errore("Field '" + std::string(nome) + "' not found");
}

std::uint32_t TDBaseTable::ContaRecord() const
{
    RichiediAperta();
    return Leggi32(m_byte, 4);
}

void TDBaseTable::RichiediAperta() const
{
    if (!m_aperta)
        throw Errore("La tabella non è aperta");
}

void TDBaseTable::RichiediModificabile() const
{
    RichiediAperta();
    if (m_solaLettura)
        throw Errore("La tabella è di sola lettura");
    if (m_stato != Stato::Navigazione)
        throw Errore("La tabella ha già un record in modifica");
}

bool TDBaseTable::Vivo(size_t pos) const { return m_byte[pos] == ' '; }

void TDBaseTable::Primo()
{
    RichiediAperta();
    m_posizione = 0;
    m_fine = false;
    Successivo();
}

void TDBaseTable::Successivo()
{
    RichiediAperta();
    const size_t hl = static_cast<size_t>(m_lunghezzaIntestazione), rl = static_cast<size_t>(m_lunghezzaRecord);
    const size_t fine = hl + static_cast<size_t>(m_presenti) * rl;
    if (m_fine)
        return;
    for (size_t pos = m_posizione == 0 ? hl : m_posizione + rl;; pos += rl) {
        if (pos >= fine) {
            m_posizione = fine;
            m_fine = true;
            return;
        }
        if (Vivo(pos)) {
            m_posizione = pos;
            m_inizio = false;
            return;
        }
    }
}

void TDBaseTable::Precedente()
{
    RichiediAperta();
    const size_t hl = static_cast<size_t>(m_lunghezzaIntestazione), rl = static_cast<size_t>(m_lunghezzaRecord);
    for (size_t pos = m_posizione; pos > hl;) {
        pos -= rl;
        if (Vivo(pos)) {
            m_posizione = pos;
            m_fine = false;
            m_inizio = false;
            return;
        }
    }
    m_inizio = true;
}

void TDBaseTable::Ultimo()
{
    RichiediAperta();
    m_posizione = static_cast<size_t>(m_lunghezzaIntestazione) +
                  static_cast<size_t>(m_presenti) * static_cast<size_t>(m_lunghezzaRecord);
    m_fine = true;
    m_inizio = false;
    Precedente();
}

int TDBaseTable::NumeroRecord() const
{
    if (!RecordCorrente())
        return -1;
    return static_cast<int>((m_posizione - static_cast<size_t>(m_lunghezzaIntestazione)) /
                            static_cast<size_t>(m_lunghezzaRecord));
}

TDBaseTable::Segnalibro TDBaseTable::PrendiSegnalibro() const
{
    Segnalibro s{};
    std::memcpy(s.data(), TestoSegnalibro, sizeof TestoSegnalibro - 1);
    auto v = static_cast<std::uint32_t>(m_posizione);
    for (int i = 0; i < 4; ++i)
        s[static_cast<size_t>(16 + i)] = static_cast<std::uint8_t>(v >> (8 * i));
    return s;
}

bool TDBaseTable::SegnalibroValido(const Segnalibro &s)
{
    std::uint8_t atteso[16]{};
    std::memcpy(atteso, TestoSegnalibro, sizeof TestoSegnalibro - 1);
    return std::memcmp(s.data(), atteso, 16) == 0;
}

bool TDBaseTable::SegnalibriUguali(const Segnalibro &a, const Segnalibro &b)
{
    return SegnalibroValido(a) && SegnalibroValido(b) && std::memcmp(a.data() + 16, b.data() + 16, 4) == 0;
}

void TDBaseTable::VaiASegnalibro(const Segnalibro &s)
{
    RichiediAperta();
    if (!SegnalibroValido(s))
        throw Errore("Segnalibro non valido");
    size_t pos = 0;
    for (int i = 0; i < 4; ++i)
        pos |= static_cast<size_t>(s[static_cast<size_t>(16 + i)]) << (8 * i);
    const size_t hl = static_cast<size_t>(m_lunghezzaIntestazione), rl = static_cast<size_t>(m_lunghezzaRecord);
    if (pos < hl || (pos - hl) % rl != 0 || (pos - hl) / rl >= static_cast<size_t>(m_presenti))
        throw Errore("Segnalibro fuori dalla tabella");
    m_posizione = pos;
    m_fine = false;
    m_inizio = false;
}

std::string_view TDBaseTable::ValoreGrezzo(const Campo &c) const
{
    const auto o = static_cast<size_t>(c.offset), l = static_cast<size_t>(c.lunghezza);
    if (m_stato != Stato::Navigazione)
        return std::string_view(m_record).substr(o, l);
    RichiediAperta();
    if (!RecordCorrente())
        throw Errore("Nessun record corrente");
    return std::string_view(m_byte).substr(m_posizione + o, l);
}

bool TDBaseTable::Nullo(std::string_view nome) const
{
    return ValoreGrezzo(CampoPerNome(nome)).find_first_not_of(' ') == std::string_view::npos;
}

std::optional<Data> TDBaseTable::ComeData(std::string_view nome) const
{
    const Campo &c = CampoPerNome(nome);
    if (c.tipo != Tipo::Data)
        throw Errore(Formato("Il campo \"%s\" non è un campo data", c.nome.c_str()));
    std::string_view g = ValoreGrezzo(c);
    if (g.find_first_not_of(' ') == std::string_view::npos)
        return std::nullopt;
    auto cifre = [&](size_t da, size_t quante, int &v) {
        v = 0;
        for (size_t i = da; i < da + quante; ++i) {
            if (i >= g.size() || g[i] < '0' || g[i] > '9')
                return false;
            v = v * 10 + (g[i] - '0');
        }
        return true;
    };
    Data d;
    if (g.size() != 8 || !cifre(0, 4, d.anno) || !cifre(4, 2, d.mese) || !cifre(6, 2, d.giorno) || !d.valida())
        throw Errore("'" + std::string(g) + "' is not a valid date");
    return d;
}

std::optional<double> TDBaseTable::ComeNumero(std::string_view nome) const
{
    const Campo &c = CampoPerNome(nome);
    if (c.tipo == Tipo::Data)
        throw Errore(Formato("Il campo \"%s\" non è un campo numerico", c.nome.c_str()));
    std::string_view g = ValoreGrezzo(c);
    if (g.find_first_not_of(' ') == std::string_view::npos)
        return std::nullopt;
    return LeggiDecimalePunto(g);
}

std::optional<long long> TDBaseTable::ComeIntero(std::string_view nome) const
{
    const Campo &c = CampoPerNome(nome);
    if (c.tipo == Tipo::Data)
        throw Errore(Formato("Il campo \"%s\" non è un campo numerico", c.nome.c_str()));
    std::string_view g = ValoreGrezzo(c);
    if (g.find_first_not_of(' ') == std::string_view::npos)
        return std::nullopt;
    if (c.tipo == Tipo::Testo)
        return LeggiIntero(DaOem(TrimRight(g)));
    double v = LeggiDecimalePunto(g);
    if (std::fabs(v) >= 9.0e18)
        throw Errore("'" + Trim(g) + "' is not a valid integer value");
    return std::llround(v);
}

std::string TDBaseTable::ComeTesto(std::string_view nome) const
{
    const Campo &c = CampoPerNome(nome);
    std::string_view g = ValoreGrezzo(c);
    if (c.tipo == Tipo::Testo)
        return DaOem(TrimRight(g));
    return Trim(g);
}

void TDBaseTable::Aggiungi()
{
    RichiediModificabile();
    m_record.assign(static_cast<size_t>(m_lunghezzaRecord), ' ');
    m_stato = Stato::Inserimento;
}

void TDBaseTable::Modifica()
{
    RichiediModificabile();
    if (!RecordCorrente())
        throw Errore("Nessun record corrente da modificare");
    m_record = m_byte.substr(m_posizione, static_cast<size_t>(m_lunghezzaRecord));
    m_stato = Stato::Modifica;
}

const TDBaseTable::Campo &TDBaseTable::CampoDaImpostare(std::string_view nome)
{
    const Campo &c = CampoPerNome(nome);
    if (m_solaLettura)
        throw Errore(Formato("Field \"%s\" is read only", c.nome.c_str()));
    if (!m_aperta || m_stato == Stato::Navigazione)
        throw Errore("DataSet not in update state");
    return c;
}

void TDBaseTable::ScriviCampo(const Campo &c, std::string_view byte, bool aDestra)
{
    const auto l = static_cast<size_t>(c.lunghezza);
    // A longer value is cut so it never runs into the next field.
    if (byte.size() > l)
        byte = byte.substr(0, l);
    std::string campo(l, ' ');
    campo.replace(aDestra ? l - byte.size() : 0, byte.size(), byte);
    m_record.replace(static_cast<size_t>(c.offset), l, campo);
}

void TDBaseTable::ImpostaTesto(std::string_view nome, std::string_view testo)
{
    const Campo &c = CampoDaImpostare(nome);
    switch (c.tipo) {
    case Tipo::Testo: ScriviCampo(c, AOem(testo), false); break;
    case Tipo::Numero:
        if (Trim(testo).empty())
            ImpostaNullo(nome);
        else
            ImpostaNumero(nome, LeggiDecimalePunto(testo));
        break;
    case Tipo::Data:
        if (Trim(testo).empty())
            ImpostaNullo(nome);
        else
            ImpostaData(nome, LeggiDataOErrore(testo));
        break;
    default: break;
    }
}

void TDBaseTable::ImpostaIntero(std::string_view nome, long long valore)
{
    const Campo &c = CampoDaImpostare(nome);
    if (c.tipo == Tipo::Numero) {
        ImpostaNumero(nome, static_cast<double>(valore));
        return;
    }
    if (c.tipo != Tipo::Testo)
        throw Errore(Formato("Il campo \"%s\" non accetta numeri", c.nome.c_str()));
    ScriviCampo(c, std::to_string(valore), false);
}

void TDBaseTable::ImpostaNumero(std::string_view nome, double valore)
{
    const Campo &c = CampoDaImpostare(nome);
    if (c.tipo == Tipo::Data)
        throw Errore(Formato("Il campo \"%s\" non accetta numeri", c.nome.c_str()));
    if (!std::isfinite(valore))
        throw Errore(Formato("Valore non finito per il campo \"%s\"", c.nome.c_str()));
    char buf[400];
    std::to_chars_result r;
    if (c.tipo == Tipo::Numero)
        r = std::to_chars(buf, buf + sizeof buf, valore, std::chars_format::fixed, c.decimali);
    else
        r = std::to_chars(buf, buf + sizeof buf, valore);
    std::string_view testo(buf, static_cast<size_t>(r.ptr - buf));
    // Cutting a number would change its value: refuse it instead.
    if (r.ec != std::errc() || testo.size() > static_cast<size_t>(c.lunghezza))
        throw Errore(Formato("Il numero %s non entra nei %d caratteri del campo \"%s\"", std::string(testo).c_str(),
                             c.lunghezza, c.nome.c_str()));
    ScriviCampo(c, testo, c.tipo == Tipo::Numero);
}

void TDBaseTable::ImpostaData(std::string_view nome, const Data &d)
{
    const Campo &c = CampoDaImpostare(nome);
    if (!d.valida())
        throw Errore(Formato("Data %d/%d/%d non valida per il campo \"%s\"", d.giorno, d.mese, d.anno, c.nome.c_str()));
    if (c.tipo == Tipo::Data)
        ScriviCampo(c, Formato("%04d%02d%02d", d.anno, d.mese, d.giorno), false);
    else if (c.tipo == Tipo::Testo)
        ScriviCampo(c, d.breve(), false);
    else
        throw Errore(Formato("Il campo \"%s\" non accetta date", c.nome.c_str()));
}

void TDBaseTable::ImpostaNullo(std::string_view nome)
{
    const Campo &c = CampoDaImpostare(nome);
    ScriviCampo(c, {}, false);
}

void TDBaseTable::Registra()
{
    RichiediAperta();
    if (m_stato == Stato::Navigazione)
        throw Errore("DataSet not in update state");
    for (const auto &d : m_definizioni) {
        const Campo *c = TrovaCampo(d.nome);
        if (d.richiesto && c &&
            std::string_view(m_record).substr(static_cast<size_t>(c->offset), static_cast<size_t>(c->lunghezza))
                    .find_first_not_of(' ') == std::string_view::npos)
            throw Errore(Formato("Il campo \"%s\" deve avere un valore", c->nome.c_str()));
    }
    if (m_stato == Stato::Inserimento) {
        // Over the 0x1A (or over a cut last record), then a new 0x1A.
        const size_t fine = static_cast<size_t>(m_lunghezzaIntestazione) +
                            static_cast<size_t>(m_presenti) * static_cast<size_t>(m_lunghezzaRecord);
        m_byte.resize(fine);
        m_byte += m_record;
        m_byte.push_back(static_cast<char>(FineDatiByte));
        ++m_presenti;
        m_codaIncompleta = false;
        m_posizione = m_byte.size() - 1;
        m_fine = true;
        AggiornaIntestazione();
    } else {
        m_byte.replace(m_posizione, m_record.size(), m_record);
    }
    m_modificata = true;
    m_stato = Stato::Navigazione;
}

void TDBaseTable::Annulla() { m_stato = Stato::Navigazione; }

void TDBaseTable::Elimina()
{
    RichiediModificabile();
    if (!RecordCorrente())
        throw Errore("Nessun record corrente da eliminare");
    m_byte[m_posizione] = '*';
    m_modificata = true;
}

} // namespace sestina::archivio
