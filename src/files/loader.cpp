#include "loader.h"

#include <cmath>
#include <memory>
#include <optional>
#include <vector>

#include "filereader.h"
#include "numformat.h"
#include "numparse.h"
#include "texts.h"

namespace lineer {

namespace {

// The longest item read as a number, named in the message: a number
// written with more characters is no more exact as a double, and a file of
// one endless item must not fill the memory.
constexpr std::size_t kTokenLimit = 4096;
constexpr std::size_t kShownLimit = 40;

bool isSeparator(unsigned c) { return c == ',' || c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

void appendUtf8(std::string& s, unsigned cp) {
    if (cp < 0x80) {
        s.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        s.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        s.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        s.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        s.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        s.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

// Reads characters from a byte source in blocks. UTF-16 files (with
// their byte-order mark) are decoded; a UTF-8 byte-order mark is skipped.
// Characters come out as code points; in 8-bit files every byte is one.
class CharReader {
public:
    explicit CharReader(ByteSource& source) : source_(source) {}

    bool ok() const { return !failed_; }
    bool wide() const { return mode_ != Mode::Bytes; }

    // Next code point, or -1 at the end of the file (or a read error).
    long next() {
        if (!started_) start();
        if (mode_ == Mode::Bytes) return byte();
        long b1 = byte();
        if (b1 < 0) return -1;
        long b2 = byte();
        if (b2 < 0) return 0xFFFD;  // odd trailing byte
        unsigned unit = mode_ == Mode::Utf16LE ? unsigned(b1 | (b2 << 8)) : unsigned((b1 << 8) | b2);
        if (unit >= 0xD800 && unit <= 0xDFFF) return 0xFFFD;
        return unit;
    }

private:
    enum class Mode { Bytes, Utf16LE, Utf16BE };

    // Appends what one read gives to the buffer; false at the end.
    bool fill() {
        if (eof_) return false;
        const long long r = source_.read(buf_.get() + len_, kBlock - len_);
        if (r <= 0) {
            if (r < 0) failed_ = true;
            eof_ = true;
            return false;
        }
        len_ += static_cast<std::size_t>(r);
        return true;
    }

    long byte() {
        if (pos_ == len_) {
            pos_ = len_ = 0;
            if (!fill()) return -1;
        }
        return static_cast<unsigned char>(buf_[pos_++]);
    }

    // A read may stop after any byte, so the first three are gathered
    // before the byte-order mark is looked for.
    void start() {
        started_ = true;
        while (len_ < 3 && fill()) {
        }
        const auto at = [&](std::size_t i) { return i < len_ ? static_cast<unsigned char>(buf_[i]) : -1; };
        if (at(0) == 0xFF && at(1) == 0xFE) {
            mode_ = Mode::Utf16LE;
            pos_ = 2;
        } else if (at(0) == 0xFE && at(1) == 0xFF) {
            mode_ = Mode::Utf16BE;
            pos_ = 2;
        } else if (at(0) == 0xEF && at(1) == 0xBB && at(2) == 0xBF) {
            pos_ = 3;
        }
    }

    static constexpr std::size_t kBlock = 1 << 16;
    ByteSource& source_;
    std::unique_ptr<char[]> buf_{new char[kBlock]};
    std::size_t pos_ = 0, len_ = 0;
    bool eof_ = false, failed_ = false, started_ = false;
    Mode mode_ = Mode::Bytes;
};

// The text of an item as shown in a message: control characters and
// undecodable bytes as "?", at most kShownLimit characters.
std::string shownText(const std::vector<unsigned>& cps) {
    std::string s;
    std::size_t count = 0;
    for (unsigned cp : cps) {
        if (count == kShownLimit) break;
        if (cp < 0x20 || cp == 0x7F || cp == 0xFFFD) cp = '?';
        appendUtf8(s, cp);
        ++count;
    }
    return s;
}

// Decodes an 8-bit token as UTF-8 where it is valid; other bytes become
// U+FFFD. Tokens of UTF-16 files are already code points.
std::vector<unsigned> decodeBytes(const std::vector<unsigned>& bytes) {
    std::vector<unsigned> out;
    std::size_t i = 0;
    while (i < bytes.size()) {
        unsigned b = bytes[i];
        int extra = (b >= 0xC2 && b < 0xE0) ? 1 : (b >= 0xE0 && b < 0xF0) ? 2 : 0;
        if (b < 0x80 || b > 0xFF) {
            out.push_back(b);
            ++i;
            continue;
        }
        bool good = extra > 0 && i + extra < bytes.size();
        unsigned cp = b & (0x3Fu >> extra);
        for (int k = 1; good && k <= extra; ++k) {
            unsigned cont = bytes[i + k];
            if ((cont & 0xC0) != 0x80 || cont > 0xFF) good = false;
            cp = (cp << 6) | (cont & 0x3F);
        }
        if (!good) {
            out.push_back(0xFFFD);
            ++i;
            continue;
        }
        out.push_back(cp);
        i += static_cast<std::size_t>(extra) + 1;
    }
    return out;
}

}  // namespace

std::string shownPath(const std::string& path) {
    std::string s = path;
    for (char& c : s)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = '?';
    return s;
}

LoadResult loadCoefficientFile(const std::string& path, Workspace& ws) {
    std::unique_ptr<ByteSource> file = openRegularFile(path);
    if (!file) {
        LoadResult result;
        result.message = format(Text::FileNotOpened, shownPath(path));
        return result;
    }
    return loadCoefficients(*file, path, ws);
}

namespace {

// Reads the item that begins with the character c into `token`; c is then
// the character after it. False, with the first kTokenLimit characters read,
// when the item is longer.
bool readItem(CharReader& reader, long& c, std::vector<unsigned>& token) {
    token.clear();
    while (c >= 0 && !isSeparator(static_cast<unsigned>(c))) {
        if (token.size() == kTokenLimit) return false;
        token.push_back(static_cast<unsigned>(c));
        c = reader.next();
    }
    return true;
}

// The item's number in v, or the message that says why it is none.
std::optional<std::string> itemValue(const CharReader& reader, const std::vector<unsigned>& token, bool tooLong,
                                     double& v, std::string& text) {
    if (tooLong)
        return format(Text::FileItemTooLong, intText(static_cast<long long>(kTokenLimit)),
                      shownText(reader.wide() ? token : decodeBytes(token)));
    text.clear();
    for (unsigned cp : token) {
        if (cp >= 0x80) return format(Text::FileInvalidValue, shownText(reader.wide() ? token : decodeBytes(token)));
        text.push_back(static_cast<char>(cp));
    }
    const FileNumber number = readFileNumber(text);
    if (number.status == NumberStatus::TooLarge)
        return format(Text::FileValueTooLarge, shownText(reader.wide() ? token : decodeBytes(token)));
    if (number.status != NumberStatus::Number)
        return format(Text::FileInvalidValue, shownText(reader.wide() ? token : decodeBytes(token)));
    v = number.value;
    return std::nullopt;
}

// The sizes from the file's first two numbers: whole numbers from 0 to 100.
bool readSizes(double dn, double dm, int& n, int& m) {
    auto whole = [](double d) { return d >= 0 && d <= kMaxIndex && d == std::floor(d); };
    if (!whole(dn) || !whole(dm)) return false;
    n = static_cast<int>(dn);
    m = static_cast<int>(dm);
    return true;
}

}  // namespace

LoadResult loadCoefficients(ByteSource& source, const std::string& path, Workspace& ws) {
    LoadResult result;
    CharReader reader(source);
    std::vector<unsigned> token;
    token.reserve(64);
    long c = reader.next();
    long long count = 0;  // numbers read
    long long needed = 2;
    int n = 0, m = 0;
    std::vector<double> values;
    std::vector<std::string> texts;
    std::string item;

    while (count < needed) {
        while (c >= 0 && isSeparator(static_cast<unsigned>(c))) c = reader.next();
        if (c < 0) break;
        const bool tooLong = !readItem(reader, c, token);
        double v = 0;
        if (auto why = itemValue(reader, token, tooLong, v, item)) {
            result.message = std::move(*why);
            return result;
        }
        ++count;
        // The sizes are whole numbers as written, never a fraction.
        if (count <= 2 && item.find('/') != std::string::npos) {
            result.message = lineer::text(Text::FileBadSizes);
            return result;
        }
        if (count != 2) {
            values.push_back(v);
            if (count > 2) texts.push_back(item);
            continue;
        }
        if (!readSizes(values[0], v, n, m)) {
            result.message = lineer::text(Text::FileBadSizes);
            return result;
        }
        needed = 2 + static_cast<long long>(n) * m;
        values.clear();
        values.reserve(static_cast<std::size_t>(n) * m);
        texts.reserve(static_cast<std::size_t>(n) * m);
    }
    if (!reader.ok() && count < needed) {
        result.message = format(Text::FileNotOpened, shownPath(path));
        return result;
    }
    if (count < needed) {
        result.message = format(Text::FileTooFewNumbers, intText(needed), intText(count));
        return result;
    }
    ws.n = n;
    ws.m = m;
    std::size_t k = 0;
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= m; ++j) ws.A(i, j) = values[k++];
    ws.texts = std::make_shared<const CellTexts>(CellTexts{n, m, std::move(texts)});
    result.ok = true;
    return result;
}

}  // namespace lineer
