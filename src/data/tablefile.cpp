#include "data/tablefile.h"

#include <QByteArray>
#include <QFile>
#include <QIODevice>
#include <QSaveFile>
#include <QStringView>

#include <algorithm>
#include <cstring>
#include <limits>
#include <memory>

#include "data/gridtable.h"

namespace {

// A header may claim at most this many columns, and at most max(kCellAllowance, file size)
// cells: a table costs memory for every cell it claims, so a damaged or hostile header must
// not make us allocate more than the file itself could describe.
constexpr qint64 kMaxCols = 1024;
constexpr qint64 kCellAllowance = qint64(1) << 20;
// Numbers beyond this are only ever absurd counts; parsing saturates here.
constexpr qint64 kNumberCap = qint64(1) << 40;
// Only the first characters of a width are looked at.
constexpr qsizetype kMaxWidthChars = 255;

constexpr char kEndOfData = 0x1A;

// ---------------------------------------------------------------------------------------
// Text

enum class Encoding { Utf8, Cp1252 };

// Windows-1252 differs from Latin-1 only in 0x80-0x9F; its five unassigned bytes keep
// their Latin-1 (C1 control) value, as Windows itself maps them.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

bool isValidUtf8(const char* data, qsizetype n) {
    const auto* p = reinterpret_cast<const uchar*>(data);
    qsizetype i = 0;
    while (i < n) {
        // Table files are nearly all ASCII: skip it eight bytes at a time.
        while (i + 8 <= n) {
            quint64 word;
            std::memcpy(&word, p + i, 8);
            if (word & 0x8080808080808080ULL)
                break;
            i += 8;
        }
        if (i >= n)
            break;
        const uchar c = p[i];
        if (c < 0x80) {
            ++i;
            continue;
        }
        int len;
        uint cp;
        if (c >= 0xC2 && c <= 0xDF) {
            len = 2;
            cp = c & 0x1F;
        } else if (c >= 0xE0 && c <= 0xEF) {
            len = 3;
            cp = c & 0x0F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            len = 4;
            cp = c & 0x07;
        } else {
            return false;
        }
        if (n - i < len)
            return false;
        for (int k = 1; k < len; ++k) {
            const uchar cc = p[i + k];
            if ((cc & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (cc & 0x3F);
        }
        if (len == 3 && (cp < 0x800 || (cp >= 0xD800 && cp <= 0xDFFF)))
            return false;
        if (len == 4 && (cp < 0x10000 || cp > 0x10FFFF))
            return false;
        i += len;
    }
    return true;
}

Encoding detectEncoding(const char* data, qsizetype n) {
    return isValidUtf8(data, n) ? Encoding::Utf8 : Encoding::Cp1252;
}

enum class Unfold { Never, IfBackspace };

// Decodes one text. With Unfold::IfBackspace a text holding a BS is a folded one: its TABs
// and BSs become the CRs and LFs they stand for.
QString decodeText(const char* p, qsizetype n, Encoding encoding, Unfold unfold) {
    if (n <= 0)
        return QString();
    QString text(n, Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(text.data());
    uchar seen = 0;
    bool backspace = false;
    for (qsizetype i = 0; i < n; ++i) {
        const uchar c = uchar(p[i]);
        seen |= c;
        backspace |= c == '\b';
        out[i] = c;
    }
    if (seen & 0x80) {
        if (encoding == Encoding::Utf8) {
            text = QString::fromUtf8(p, n);
            out = reinterpret_cast<char16_t*>(text.data());
        } else {
            for (qsizetype i = 0; i < n; ++i) {
                if (out[i] >= 0x80 && out[i] < 0xA0)
                    out[i] = kCp1252High[out[i] - 0x80];
            }
        }
    }
    if (backspace && unfold == Unfold::IfBackspace) {
        const qsizetype len = text.size();
        for (qsizetype i = 0; i < len; ++i) {
            if (out[i] == u'\t')
                out[i] = u'\r';
            else if (out[i] == u'\b')
                out[i] = u'\n';
        }
    }
    return text;
}

// Short texts repeat a lot in the program's tables ("Yes", "No", times, categories): a small
// direct-mapped cache hands out one shared QString per text instead of a copy per cell.
// A text is shared from its second sighting on, so unique texts such as task keys cost no
// more than a look-up.
class ShortTextCache {
public:
    explicit ShortTextCache(Encoding encoding) : m_encoding(encoding), m_slots(new Slot[kSlots]) {}

    QString get(const char* p, qsizetype n) {
        if (n > kMaxLen || n <= 0)
            return decodeText(p, n, m_encoding, Unfold::IfBackspace);
        quint32 hash = 2166136261u;
        for (qsizetype i = 0; i < n; ++i)
            hash = (hash ^ uchar(p[i])) * 16777619u;
        Slot& slot = m_slots[hash & (kSlots - 1)];
        if (slot.len == n && std::memcmp(slot.bytes, p, size_t(n)) == 0) {
            if (slot.text.isNull())
                slot.text = decodeText(p, n, m_encoding, Unfold::IfBackspace);
            return slot.text;
        }
        if (!slot.text.isNull())
            slot.text = QString();
        slot.len = int(n);
        std::memcpy(slot.bytes, p, size_t(n));
        return decodeText(p, n, m_encoding, Unfold::IfBackspace);
    }

private:
    static constexpr qsizetype kMaxLen = 16;
    static constexpr quint32 kSlots = 1024;
    struct Slot {
        int len = -1;
        char bytes[kMaxLen];
        QString text;  // null until the text is seen a second time
    };
    Encoding m_encoding;
    std::unique_ptr<Slot[]> m_slots;
};

// ---------------------------------------------------------------------------------------
// Numbers

enum class NumberResult { Ok, NotNumber, TooLarge };

// A whole decimal number with an optional sign. Loose parsing also allows blanks around it.
// Values beyond kNumberCap saturate and report TooLarge.
NumberResult parseWhole(const char* b, const char* e, bool loose, qint64& value) {
    if (loose) {
        while (b < e && *b == ' ')
            ++b;
        while (e > b && e[-1] == ' ')
            --e;
    }
    bool negative = false;
    if (b < e && (*b == '-' || *b == '+')) {
        negative = *b == '-';
        ++b;
    }
    if (b == e)
        return NumberResult::NotNumber;
    qint64 v = 0;
    bool tooLarge = false;
    for (; b < e; ++b) {
        const unsigned d = unsigned(uchar(*b)) - '0';
        if (d > 9)
            return NumberResult::NotNumber;
        if (!tooLarge) {
            v = v * 10 + d;
            if (v > kNumberCap)
                tooLarge = true;
        }
    }
    value = negative ? -v : v;
    return tooLarge ? NumberResult::TooLarge : NumberResult::Ok;
}

const char* findByte(const char* b, const char* e, char c) {
    return b < e ? static_cast<const char*>(std::memchr(b, c, size_t(e - b))) : nullptr;
}

// ---------------------------------------------------------------------------------------
// Header

struct Counts {
    int cols = 1;
    int rows = 1;
};

enum class HeaderResult { Ok, NotNumber, Absurd };

HeaderResult parseHeader(const char* b, const char* e, bool loose, qint64 dataSize, Counts& counts) {
    const char* comma = findByte(b, e, ',');
    qint64 cols = 0, rows = 0;
    const NumberResult colResult = parseWhole(b, comma ? comma : e, loose, cols);
    const NumberResult rowResult = comma ? parseWhole(comma + 1, e, loose, rows) : NumberResult::NotNumber;
    if (colResult == NumberResult::NotNumber || rowResult == NumberResult::NotNumber)
        return HeaderResult::NotNumber;
    // Any count below 1 gives 1, however far below.
    cols = std::max<qint64>(1, cols);
    rows = std::max<qint64>(1, rows);
    if ((colResult == NumberResult::TooLarge && cols > 1) || (rowResult == NumberResult::TooLarge && rows > 1))
        return HeaderResult::Absurd;
    if (cols > kMaxCols || rows > std::numeric_limits<int>::max() || cols * rows > std::max(kCellAllowance, dataSize))
        return HeaderResult::Absurd;
    counts.cols = int(cols);
    counts.rows = int(rows);
    return HeaderResult::Ok;
}

bool isWidthLine(const char* b, const char* e) {
    return e - b >= 2 && b[0] == 'c' && b[1] == 'w';
}

// ---------------------------------------------------------------------------------------
// Writing

class ByteSink {
public:
    // With a device, the bytes go out in chunks of about the starting size, so a large table
    // never needs its whole file in memory; without one they collect for take().
    explicit ByteSink(qsizetype estimate, QIODevice* device = nullptr) : m_device(device) {
        estimate = std::max<qsizetype>(estimate, 64);
        m_buf.reserve(estimate);  // exact; resize alone would round the allocation up
        m_buf.resize(estimate);
        m_p = m_buf.data();
        m_end = m_p + m_buf.size();
    }

    void ensure(qsizetype n) {
        if (m_end - m_p >= n)
            return;
        if (m_device) {
            flush();
            if (m_end - m_p >= n)
                return;
        }
        const qsizetype used = m_p - m_buf.data();
        m_buf.resize(std::max(m_buf.size() * 2, used + n));
        m_p = m_buf.data() + used;
        m_end = m_buf.data() + m_buf.size();
    }
    void put(char c) { *m_p++ = c; }
    void put(const char* s, qsizetype n) {
        std::memcpy(m_p, s, size_t(n));
        m_p += n;
    }
    void number(qint64 v) {
        char digits[24];
        char* d = digits + sizeof digits;
        do {
            *--d = char('0' + v % 10);
            v /= 10;
        } while (v > 0);
        put(d, digits + sizeof digits - d);
    }
    void lineEnd() {
        put('\r');
        put('\n');
    }
    char* cursor() { return m_p; }
    void setCursor(char* p) { m_p = p; }

    // Sends the collected bytes to the device; false once any write fell short.
    bool flush() {
        const qsizetype used = m_p - m_buf.data();
        if (used > 0 && m_device->write(m_buf.constData(), used) != used)
            m_failed = true;
        m_p = m_buf.data();
        return !m_failed;
    }

    QByteArray take() {
        m_buf.truncate(m_p - m_buf.data());
        return std::move(m_buf);
    }

private:
    QByteArray m_buf;
    QIODevice* m_device = nullptr;
    bool m_failed = false;
    char* m_p = nullptr;
    char* m_end = nullptr;
};

// Room for "col,row," and CR LF around a text of len UTF-16 units (three UTF-8 bytes each at most).
constexpr qsizetype cellLineBound(qsizetype len) {
    return 2 * 20 + 2 + 3 * len + 2;
}

// Writes one cell text, folding its line breaks when it holds a CR. A U+001A would end the
// data for readers of the file, so it is left out.
void putCellText(ByteSink& sink, const QString& text) {
    const char16_t* s = reinterpret_cast<const char16_t*>(text.constData());
    const qsizetype n = text.size();
    const bool fold = QStringView(text).contains(u'\r');
    char* out = sink.cursor();
    qsizetype i = 0;
    // Four printable ASCII characters at a time: every lane below 0x80 and none below 0x20.
    for (; i + 4 <= n; i += 4) {
        quint64 w;
        std::memcpy(&w, s + i, 8);
        if ((w & 0xFF80FF80FF80FF80ULL) || ((w - 0x0020002000200020ULL) & ~w & 0x8000800080008000ULL))
            break;
        const quint32 packed = quint32((w & 0xFF) | ((w >> 8) & 0xFF00) | ((w >> 16) & 0xFF0000) |
                                       ((w >> 24) & 0xFF000000));
        std::memcpy(out, &packed, 4);
        out += 4;
    }
    for (; i < n; ++i) {
        char16_t c = s[i];
        if (c >= 0x80)
            break;
        if (c < 0x20) {
            if (c == 0x1A)
                continue;
            if (fold) {
                if (c == u'\r')
                    c = u'\t';
                else if (c == u'\n')
                    c = u'\b';
            }
        }
        *out++ = char(c);
    }
    sink.setCursor(out);
    if (i == n)
        return;

    QString rest = text.mid(i);
    rest.remove(QChar(0x1A));
    if (fold) {
        rest.replace(QChar(u'\r'), QChar(u'\t'));
        rest.replace(QChar(u'\n'), QChar(u'\b'));
    }
    const QByteArray utf8 = rest.toUtf8();
    sink.put(utf8.constData(), utf8.size());
}

// ---------------------------------------------------------------------------------------
// Reading

[[noreturn]] void throwNotNumber(const char* b, const char* e) {
    throw CalvoraError(QStringLiteral("'%1' is not a valid whole number").arg(QString::fromLatin1(b, e - b)));
}

// Strict number of a table stream: a whole decimal number that fits an int.
int streamNumber(const char* b, const char* e) {
    qint64 v = 0;
    if (parseWhole(b, e, false, v) != NumberResult::Ok || v < std::numeric_limits<int>::min() ||
        v > std::numeric_limits<int>::max())
        throwNotNumber(b, e);
    return int(v);
}

// A loose field of a table file line: false when it is no number or out of int range.
bool fileNumber(const char* b, const char* e, int& out) {
    qint64 v = 0;
    if (parseWhole(b, e, true, v) != NumberResult::Ok || v < std::numeric_limits<int>::min() ||
        v > std::numeric_limits<int>::max())
        return false;
    out = int(v);
    return true;
}

void applyCounts(GridTable& table, const Counts& counts) {
    // Rows go first when they shrink, so dropped rows are not widened before they go.
    if (counts.rows < table.rowCount())
        table.setRowCount(counts.rows);
    table.setColCount(counts.cols);
    table.setRowCount(counts.rows);
}

// Reads the "digits," that start nearly every cell line; false for anything else.
bool plainIndex(const char*& p, const char* lineEnd, int& value) {
    const char* q = p;
    unsigned v = 0;
    // Nine digits always fit an int; longer numbers take the careful path.
    const char* stop = std::min(lineEnd, p + 9);
    while (q < stop && unsigned(uchar(*q) - '0') <= 9)
        v = v * 10 + unsigned(uchar(*q++) - '0');
    if (q == p || q == lineEnd || *q != ',')
        return false;
    value = int(v);
    p = q + 1;
    return true;
}

// Applies the lines of a table file after its header; lines that do not fit are skipped.
void readFileLines(GridTable& table, const char* p, const char* end, Encoding encoding) {
    ShortTextCache cache(encoding);
    QList<QString>* rows = table.rawRows().data();
    const int colCount = table.colCount();
    const int rowCount = table.rowCount();
    while (p < end) {
        const char* cr = findByte(p, end, '\r');
        const char* lineEnd = cr ? cr : end;
        int col = 0, row = 0;
        const char* text = p;
        if (plainIndex(text, lineEnd, col) && plainIndex(text, lineEnd, row)) {
            if (col < colCount && row < rowCount)
                rows[row][col] = cache.get(text, lineEnd - text);
        } else if (isWidthLine(p, lineEnd)) {
            const char* comma = findByte(p, lineEnd, ',');
            int width = 0;
            if (comma && comma - p >= 3 && fileNumber(p + 3, comma, col) &&
                fileNumber(comma + 1, std::min(lineEnd, comma + 1 + kMaxWidthChars), width) && col >= 0 &&
                col < colCount && width >= 0)
                table.setColWidth(col, width);
        } else if (const char* comma1 = findByte(p, lineEnd, ',')) {
            const char* comma2 = findByte(comma1 + 1, lineEnd, ',');
            if (comma2 && fileNumber(p, comma1, col) && fileNumber(comma1 + 1, comma2, row) && col >= 0 &&
                col < colCount && row >= 0 && row < rowCount)
                rows[row][col] = cache.get(comma2 + 1, lineEnd - comma2 - 1);
        }
        p = cr ? cr + 1 : end;
        if (p < end && *p == '\n')
            ++p;
    }
    table.touch();
}

// Where the lines of a table stream stop: at the first line after the header that is
// neither a width line nor a cell line with non-empty column and row fields.
const char* streamDataEnd(const char* p, const char* end, bool skipHeader) {
    bool first = skipHeader;
    while (p < end) {
        const char* cr = findByte(p, end, '\r');
        const char* lineEnd = cr ? cr : end;
        if (!first && !isWidthLine(p, lineEnd)) {
            const char* comma1 = findByte(p, lineEnd, ',');
            const char* comma2 = comma1 ? findByte(comma1 + 1, lineEnd, ',') : nullptr;
            if (!comma2 || comma1 == p || comma2 == comma1 + 1)
                return p;
        }
        first = false;
        p = cr ? std::min(cr + 2, end) : end;
    }
    return end;
}

}  // namespace

namespace {

void putTable(ByteSink& sink, const GridTable& table) {
    const QList<QList<QString>>& rows = table.rawRows();
    sink.ensure(64);
    sink.number(table.colCount());
    sink.put(',');
    sink.number(table.rowCount());
    sink.lineEnd();
    for (int col = 0; col < table.colCount(); ++col) {
        sink.ensure(64);
        sink.put("cw ", 3);
        sink.number(col);
        sink.put(',');
        sink.number(table.colWidth(col));
        sink.lineEnd();
    }
    for (qsizetype row = 0; row < rows.size(); ++row) {
        const QList<QString>& cells = rows.at(row);
        const qsizetype cols = std::min<qsizetype>(cells.size(), table.colCount());
        for (qsizetype col = 0; col < cols; ++col) {
            const QString& text = cells.at(col);
            if (text.isEmpty())
                continue;
            sink.ensure(cellLineBound(text.size()));
            sink.number(col);
            sink.put(',');
            sink.number(row);
            sink.put(',');
            putCellText(sink, text);
            sink.lineEnd();
        }
    }
}

}  // namespace

QByteArray TableFileBytes(const GridTable& table) {
    qsizetype estimate = 64 + qsizetype(table.colCount()) * 24;
    for (const QList<QString>& row : table.rawRows()) {
        for (const QString& text : row) {
            if (!text.isEmpty())
                estimate += text.size() + 16;
        }
    }
    ByteSink sink(estimate);
    putTable(sink, table);
    return sink.take();
}

void WriteTableFile(const GridTable& table, const QString& path) {
    // The new contents go to a temporary file that replaces the old one only when whole.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw CalvoraError(QStringLiteral("Cannot Create ") + path);
    ByteSink sink(qsizetype(1) << 20, &file);
    putTable(sink, table);
    if (!sink.flush() || !file.commit()) {
        file.cancelWriting();
        throw CalvoraError(QStringLiteral("Cannot write ") + path);
    }
}

void ReadTableFile(GridTable& table, const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw CalvoraError(QStringLiteral("Cannot open file ") + path);
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw CalvoraError(QStringLiteral("Cannot open file ") + path);
    file.close();

    const char* p = bytes.constData();
    const char* end = p + bytes.size();
    if (const char* eof = findByte(p, end, kEndOfData))
        end = eof;
    const Encoding encoding = detectEncoding(p, end - p);
    // A text editor may have put a byte order mark in front.
    if (encoding == Encoding::Utf8 && end - p >= 3 && std::memcmp(p, "\xEF\xBB\xBF", 3) == 0)
        p += 3;
    if (p == end)
        return;

    const char* cr = findByte(p, end, '\r');
    const char* headerEnd = cr ? cr : end;
    if (headerEnd > p) {
        Counts counts;
        if (parseHeader(p, headerEnd, true, bytes.size(), counts) != HeaderResult::Ok)
            throw CalvoraError(QStringLiteral("Cannot open file ") + path);
        applyCounts(table, counts);
    }
    p = cr ? cr + 1 : end;
    if (p < end && *p == '\n')
        ++p;
    readFileLines(table, p, end, encoding);
}

void WriteTableStream(const GridTable& table, QIODevice& stream) {
    const QByteArray bytes = TableFileBytes(table);
    if (stream.write(bytes) != bytes.size())
        throw CalvoraError(QStringLiteral("Cannot write the table stream"));
}

void ReadTableStream(GridTable& table, QIODevice& stream) {
    const qint64 start = stream.pos();
    const QByteArray bytes = stream.readAll();
    const char* begin = bytes.constData();
    const char* end = begin + bytes.size();
    const char* p = begin;

    // Everything up to the first line that ends the reading decides the encoding.
    const char* dataEnd = streamDataEnd(begin, end, true);
    const Encoding encoding = detectEncoding(begin, dataEnd - begin);

    if (p < end) {
        const char* cr = findByte(p, end, '\r');
        const char* headerEnd = cr ? cr : end;
        if (headerEnd > p) {
            Counts counts;
            switch (parseHeader(p, headerEnd, false, bytes.size(), counts)) {
                case HeaderResult::Ok:
                    break;
                case HeaderResult::NotNumber:
                    throwNotNumber(p, headerEnd);
                case HeaderResult::Absurd:
                    throw CalvoraError(QStringLiteral("The table counts %1 are out of range")
                                           .arg(QString::fromLatin1(p, headerEnd - p)));
            }
            applyCounts(table, counts);
        }
        p = cr ? std::min(cr + 2, end) : end;
    }

    QList<QList<QString>>& rows = table.rawRows();
    const int colCount = table.colCount();
    const int rowCount = table.rowCount();
    ShortTextCache cache(encoding);
    while (p < dataEnd) {
        const char* cr = findByte(p, dataEnd, '\r');
        const char* lineEnd = cr ? cr : dataEnd;
        const char* comma1 = findByte(p, lineEnd, ',');
        if (isWidthLine(p, lineEnd)) {
            const char* indexStart = std::min(p + 3, lineEnd);
            const int col = streamNumber(indexStart, comma1 && comma1 > indexStart ? comma1 : indexStart);
            const char* widthStart = comma1 ? comma1 + 1 : lineEnd;
            const int width = streamNumber(widthStart, std::min(lineEnd, widthStart + kMaxWidthChars));
            if (col >= 0 && col < colCount && width >= 0)
                table.setColWidth(col, width);
        } else {
            const char* comma2 = findByte(comma1 + 1, lineEnd, ',');
            const int col = streamNumber(p, comma1);
            const int row = streamNumber(comma1 + 1, comma2);
            if (col >= 0 && col < colCount && row >= 0 && row < rowCount)
                rows[row][col] = cache.get(comma2 + 1, lineEnd - comma2 - 1);
        }
        p = cr ? std::min(cr + 2, dataEnd) : dataEnd;
    }
    table.touch();

    if (dataEnd < end) {
        // Leave the stream at the start of the line that ended the reading.
        if (!stream.isSequential()) {
            stream.seek(start + (dataEnd - begin));
        } else {
            for (const char* q = end; q > dataEnd;)
                stream.ungetChar(*--q);
        }
    }
}

QString DecodeText(const QByteArray& bytes) {
    const char* p = bytes.constData();
    const qsizetype n = bytes.size();
    if (isValidUtf8(p, n))
        return QString::fromUtf8(p, n);
    return decodeText(p, n, Encoding::Cp1252, Unfold::Never);
}
