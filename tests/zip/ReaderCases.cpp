#include "tests/zip/ReaderCases.h"

#include "tests/support/ZipWriter.h"
#include "zip/ZipException.h"

#include <utility>

namespace {

using Entry = ZipWriter::Entry;
using Z = CZipException;

constexpr std::uint16_t kStored = 0;
constexpr std::uint16_t kDeflated = 8;
constexpr std::size_t kEndRecordSize = 22;

const Outcome ok { Outcome::Extracted };
const Outcome refused { Outcome::NotExtracted };
const Outcome fileError { Outcome::FileError };
Outcome Raises(int cause) { return { Outcome::Raised, cause }; }

// Text that deflates well.
std::string Prose(std::size_t n)
{
    static const std::string words = "skin button slider label purple orange background bitmap ";
    std::string s;
    for (std::size_t i = 0; s.size() < n; ++i)
        s += words.substr((i * 7) % words.size(), 5 + i % 9);
    s.resize(n);
    return s;
}

// Bytes that do not deflate at all.
std::string Noise(std::size_t n)
{
    std::string s(n, '\0');
    std::uint32_t x = 2463534242u;
    for (char& c : s) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        c = static_cast<char>(x);
    }
    return s;
}

Entry File(std::string name, std::string data, std::uint16_t method = kDeflated)
{
    return Entry::File(std::move(name), std::move(data), method);
}

template <typename Change>
Entry With(Entry e, Change change)
{
    change(e);
    return e;
}

std::vector<std::uint8_t> Zip(std::vector<Entry> entries, std::string comment = {})
{
    ZipWriter w;
    for (Entry& e : entries)
        w.Add(std::move(e));
    w.SetComment(std::move(comment));
    return w.Finish();
}

ArchiveFiles Single(std::vector<std::uint8_t> bytes)
{
    return { std::move(bytes), {} };
}

std::uint32_t Get32(const std::vector<std::uint8_t>& b, std::size_t at)
{
    return static_cast<std::uint32_t>(b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (b[at + 3] << 24));
}

void Put16(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v)
{
    b[at] = static_cast<std::uint8_t>(v);
    b[at + 1] = static_cast<std::uint8_t>(v >> 8);
}

void Put32(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v)
{
    Put16(b, at, v & 0xFFFF);
    Put16(b, at + 2, v >> 16);
}

// Field offsets in an archive without comment: the end record is last, the
// first local header first.
std::size_t EndRecordAt(const std::vector<std::uint8_t>& b) { return b.size() - kEndRecordSize; }
std::size_t DirectoryAt(const std::vector<std::uint8_t>& b) { return Get32(b, EndRecordAt(b) + 16); }

// An archive of the one entry `e` whose local or central header has the
// `width`-byte field at offset `field` changed to `value`.
enum class Header { Local, Central };
std::function<ArchiveFiles()> Mutated(Header header, std::size_t field, int width, std::uint32_t value,
                                      Entry e = File("a.txt", Prose(3000)))
{
    return [=] {
        std::vector<std::uint8_t> b = Zip({ e });
        const std::size_t at = (header == Header::Local ? 0 : DirectoryAt(b)) + field;
        if (width == 2)
            Put16(b, at, value);
        else
            Put32(b, at, value);
        return Single(b);
    };
}

// Local header field offsets.
constexpr std::size_t kLocalFlags = 6, kLocalMethod = 8, kLocalCrc = 14, kLocalCompressed = 18,
                      kLocalUncompressed = 22, kLocalNameLength = 26;
// Central header field offsets.
constexpr std::size_t kCentralSignature = 0, kCentralNameLength = 28, kCentralDisk = 34, kCentralOffset = 42;
// End record field offsets.
constexpr std::size_t kEndTotal = 10, kEndSize = 12, kEndOffset = 16;

std::function<ArchiveFiles()> EndRecordMutated(std::size_t field, int width, std::uint32_t value)
{
    return [=] {
        std::vector<std::uint8_t> b = Zip({ File("a.txt", "hello") });
        if (width == 2)
            Put16(b, EndRecordAt(b) + field, value);
        else
            Put32(b, EndRecordAt(b) + field, value);
        return Single(b);
    };
}

std::vector<ReaderCase> NoEndRecordCases()
{
    std::vector<ReaderCase> cases;
    for (const std::size_t n : { 0, 1, 21 })
        cases.push_back({ "file of " + std::to_string(n) + " bytes", [n] { return Single(std::vector<std::uint8_t>(n, 'P')); }, Z::causeNoEndRecord });
    cases.push_back({ "garbage", [] { const std::string s = Noise(70000); return Single({ s.begin(), s.end() }); }, Z::causeNoEndRecord });
    // 65536 bytes after the end record put its signature one byte beyond the
    // 65557 bytes that are searched.
    cases.push_back({ "end record too far from the end", [] {
        std::vector<std::uint8_t> b = Zip({ File("a.txt", "hello") });
        b.resize(b.size() + 65536, 'x');
        return Single(b); }, Z::causeNoEndRecord });
    return cases;
}

std::vector<ReaderCase> EndRecordCases()
{
    std::vector<ReaderCase> cases;
    cases.push_back({ "longest comment", [] { return Single(Zip({ File("a.txt", "hello") }, std::string(65535, 'c'))); }, 0, { ok }, { { "a.txt", "hello" } } });
    // With these comment lengths the signature lies across the edge of the
    // first 32768-byte search window, or just inside it.
    for (const std::size_t n : { 32746, 32747, 32748, 32749, 32750 })
        cases.push_back({ "signature near the window edge, comment " + std::to_string(n), [n] { return Single(Zip({ File("a.txt", "hello") }, std::string(n, 'c'))); }, 0, { ok }, { { "a.txt", "hello" } } });
    // The signature nearest to the end wins, even inside the comment: here
    // it starts the record of an empty archive.
    cases.push_back({ "end record inside the comment", [] {
        std::string fake("PK\x05\x06", 4);
        fake += std::string(18, '\0');
        return Single(Zip({ File("a.txt", "hello") }, "note " + fake)); }, 0, {}, {} });
    cases.push_back({ "stub in front", [] {
        ZipWriter w;
        w.SetPrefix("MZ" + Noise(3000));
        w.Add(File("a.txt", "hello", kStored));
        w.Add(File("b/c.txt", Prose(5000)));
        return Single(w.Finish()); }, 0, { ok, ok }, { { "a.txt", "hello" }, { "b/" }, { "b/c.txt", Prose(5000) } } });
    cases.push_back({ "empty archive", [] { return Single(Zip({})); }, 0, {}, {} });
    cases.push_back({ "directory size 0 with entries", EndRecordMutated(kEndSize, 4, 0), Z::causeDamagedArchive });
    cases.push_back({ "no entries with a directory size", EndRecordMutated(kEndTotal, 2, 0), Z::causeDamagedArchive });
    cases.push_back({ "more entries than the directory holds", EndRecordMutated(kEndTotal, 2, 2), Z::causeDamagedArchive });
    cases.push_back({ "directory beyond the end record", EndRecordMutated(kEndOffset, 4, 0xFFFFFFF0), Z::causeDamagedArchive });
    cases.push_back({ "central header without signature", Mutated(Header::Central, kCentralSignature, 4, 0x02014b51), Z::causeDamagedArchive });
    cases.push_back({ "name running past the directory", Mutated(Header::Central, kCentralNameLength, 2, 300), Z::causeDamagedArchive });
    cases.push_back({ "ZIP64 end locator", [] {
        std::vector<std::uint8_t> b = Zip({ File("a.txt", "hello") });
        std::vector<std::uint8_t> locator = { 'P', 'K', 6, 7 };
        locator.resize(20);
        b.insert(b.begin() + static_cast<std::ptrdiff_t>(EndRecordAt(b)), locator.begin(), locator.end());
        return Single(b); }, Z::causeDamagedArchive });
    cases.push_back({ "ZIP64 extra field", [] {
        return Single(Zip({ With(File("a.txt", "hello"), [](Entry& e) { e.extra = std::string("\x01\x00\x08\x00", 4) + std::string(8, '\0'); }) })); }, Z::causeDamagedArchive });
    return cases;
}

std::vector<ReaderCase> DataCases()
{
    const std::string twoChunks = Prose(2 * 65535);
    std::vector<ReaderCase> cases;
    cases.push_back({ "stored and deflated", [] { return Single(Zip({ File("a.txt", "hello", kStored), File("b.txt", Prose(20000)) })); },
                      0, { ok, ok }, { { "a.txt", "hello" }, { "b.txt", Prose(20000) } } });
    cases.push_back({ "empty entries", [] { return Single(Zip({ File("stored", "", kStored), File("deflated", "") })); },
                      0, { ok, ok }, { { "deflated", "" }, { "stored", "" } } });
    cases.push_back({ "two whole chunks", [=] { return Single(Zip({ File("stored", twoChunks, kStored), File("deflated", twoChunks) })); },
                      0, { ok, ok }, { { "deflated", twoChunks }, { "stored", twoChunks } } });
    cases.push_back({ "incompressible data", [] { return Single(Zip({ File("noise", Noise(300000)) })); },
                      0, { ok }, { { "noise", Noise(300000) } } });
    for (const auto descriptor : { ZipWriter::Descriptor::WithSignature, ZipWriter::Descriptor::WithoutSignature }) {
        const char* label = descriptor == ZipWriter::Descriptor::WithSignature ? "with" : "without";
        cases.push_back({ std::string("data descriptors ") + label + " signature", [descriptor] {
            const auto described = [descriptor](Entry e) { e.descriptor = descriptor; return e; };
            return Single(Zip({ described(File("a", Prose(40000), kStored)), described(File("b", Prose(40000))), described(File("c", "")) })); },
            0, { ok, ok, ok }, { { "a", Prose(40000) }, { "b", Prose(40000) }, { "c", "" } } });
    }
    cases.push_back({ "data descriptor that disagrees", [] {
        std::vector<std::uint8_t> b = Zip({ With(File("a", "hello", kStored), [](Entry& e) { e.descriptor = ZipWriter::Descriptor::WithSignature; }) });
        Put32(b, 30 + 1 + 5 + 8, 4); // the descriptor's compressed size
        return Single(b); }, 0, { Raises(Z::causeDamagedArchive) }, { { "a", "hello" } } });
    cases.push_back({ "stored data with a wrong CRC stays on disk", [] {
        return Single(Zip({ With(File("a", Prose(70000), kStored), [](Entry& e) { e.crc = 1234; }), File("b", "never") })); },
        0, { Raises(Z::causeCrcMismatch) }, { { "a", Prose(70000) } } });
    cases.push_back({ "deflated data with a wrong CRC", [] { return Single(Zip({ With(File("a", Prose(100)), [](Entry& e) { e.crc = 1; }) })); },
                      0, { Raises(Z::causeCrcMismatch) }, { { "a", Prose(100) } } });
    cases.push_back({ "corrupt deflate data", [] { return Single(Zip({ With(File("a", "hello"), [](Entry& e) { e.rawData = "\xff\xff\xff"; }) })); },
                      0, { Raises(Z::causeZlibDataError) }, { { "a", "" } } });
    cases.push_back({ "deflate data that ends early", [] {
        return Single(Zip({ With(File("a", Noise(1000)), [](Entry& e) { e.rawData = ZipWriter::Deflate(e.data).substr(0, 500); }) })); },
        0, { Raises(Z::causeZlibBufError) }, { { "a", "" } } });
    // Never more than the declared size, whatever the data holds.
    cases.push_back({ "deflated data longer than declared", [] {
        return Single(Zip({ With(File("a", Prose(1000)), [](Entry& e) { e.uncompressedSize = 10; }) })); },
        0, { Raises(Z::causeCrcMismatch) }, { { "a", Prose(10) } } });
    cases.push_back({ "deflated data shorter than declared", [] {
        return Single(Zip({ With(File("a", Prose(1000)), [](Entry& e) { e.uncompressedSize = 2000; }), File("b", "next") })); },
        0, { refused, ok }, { { "a", Prose(1000) }, { "b", "next" } } });
    cases.push_back({ "stored sizes that disagree", [] {
        return Single(Zip({ With(File("a", Prose(1000), kStored), [](Entry& e) { e.uncompressedSize = 10; }) })); },
        0, { Raises(Z::causeDamagedArchive) }, {} });
    cases.push_back({ "data running past the end of the file", Mutated(Header::Central, 20, 4, 0x7FFFFFFF, With(File("a", "hello"), [](Entry& e) { e.descriptor = ZipWriter::Descriptor::WithSignature; })),
                      0, { Raises(Z::causeDamagedArchive) }, {} });
    cases.push_back({ "local header beyond the file", Mutated(Header::Central, kCentralOffset, 4, 0x00FFFFFF),
                      0, { Raises(Z::causeDamagedArchive) }, {} });
    cases.push_back({ "single file naming another disk", Mutated(Header::Central, kCentralDisk, 2, 1),
                      0, { Raises(Z::causeDamagedArchive) }, {} });
    cases.push_back({ "encrypted entry", [] {
        return Single(Zip({ With(File("secret", "hello", kStored), [](Entry& e) { e.flags = 1; }), File("plain", "text") })); },
        0, { refused, ok }, { { "plain", "text" } } });
    cases.push_back({ "unknown method", [] { return Single(Zip({ File("a", "hello", 12) })); },
                      0, { Raises(Z::causeDamagedArchive) }, {} });
    return cases;
}

std::vector<ReaderCase> LocalHeaderCases()
{
    std::vector<ReaderCase> cases;
    const std::pair<const char*, std::pair<std::size_t, int>> fields[] = {
        { "flag", { kLocalFlags, 2 } }, { "method", { kLocalMethod, 2 } }, { "name length", { kLocalNameLength, 2 } },
        { "CRC", { kLocalCrc, 4 } }, { "compressed size", { kLocalCompressed, 4 } }, { "uncompressed size", { kLocalUncompressed, 4 } },
    };
    for (const auto& [label, field] : fields)
        cases.push_back({ std::string("local header differs: ") + label, Mutated(Header::Local, field.first, field.second, 2),
                          0, { Raises(Z::causeDamagedArchive) }, {} });
    // With a data descriptor the local CRC and sizes are not looked at.
    cases.push_back({ "local sizes ignored before a descriptor",
                      Mutated(Header::Local, kLocalCompressed, 4, 77, With(File("a.txt", Prose(3000)), [](Entry& e) { e.descriptor = ZipWriter::Descriptor::WithSignature; })),
                      0, { ok }, { { "a.txt", Prose(3000) } } });
    return cases;
}

std::vector<ReaderCase> NameCases()
{
    std::vector<ReaderCase> cases;
    cases.push_back({ "folders", [] { return Single(Zip({ Entry::Folder("Skins/"), Entry::Folder("Skins/Blue/"), File("Skins/Blue/Back.bmp", "BM") })); },
                      0, { ok, ok, ok }, { { "Skins/" }, { "Skins/Blue/" }, { "Skins/Blue/Back.bmp", "BM" } } });
    cases.push_back({ "nested file creates its folders", [] { return Single(Zip({ File("Skins/Blue/Back.bmp", "BM") })); },
                      0, { ok }, { { "Skins/" }, { "Skins/Blue/" }, { "Skins/Blue/Back.bmp", "BM" } } });
    cases.push_back({ "backslashes separate folders", [] { return Single(Zip({ File("Skins\\Blue\\Back.bmp", "BM") })); },
                      0, { ok }, { { "Skins/" }, { "Skins/Blue/" }, { "Skins/Blue/Back.bmp", "BM" } } });
    cases.push_back({ "drive and root are dropped", [] { return Single(Zip({ File("C:\\x\\y.bmp", "1"), File("/etc/z", "2") })); },
                      0, { ok, ok }, { { "etc/" }, { "etc/z", "2" }, { "x/" }, { "x/y.bmp", "1" } } });
    cases.push_back({ "folder entry without the folder bit", [] { return Single(Zip({ File("dir/", "", kStored) })); },
                      0, { fileError }, { { "dir/" } } });
    cases.push_back({ "names that climb out are refused", [] {
        return Single(Zip({ File("../x", "1"), File("a/../../y", "2"), File("..\\z", "3"), File("C:..\\w", "4"), File("a/../b", "5") })); },
        0, { refused, refused, refused, refused, ok }, { { "b", "5" } } });
    cases.push_back({ "names in code page 437 and UTF-8", [] {
        return Single(Zip({ File("Gr\x81n.txt", "1"), File("\x8e\xe1", "2"), File("\xc3\xbc", "3"),
                            With(File("Gr\xc3\xbcn-utf8.txt", "4"), [](Entry& e) { e.flags = 0x800; }),
                            With(File("Gr\xc3\xbcn-unix.txt", "5"), [](Entry& e) { e.versionMadeBy = (3 << 8) | 20; }) })); },
        0, { ok, ok, ok, ok, ok }, { { "Grün-unix.txt", "5" }, { "Grün-utf8.txt", "4" }, { "Grün.txt", "1" }, { "Äß", "2" }, { "├╝", "3" } } });
    return cases;
}

std::vector<ReaderCase> AttributeCases()
{
    constexpr std::uint16_t kUnix = 3 << 8;
    const auto unix = [](Entry e, std::uint32_t mode) { e.versionMadeBy = kUnix | 20; e.externalAttributes |= mode << 16; return e; };
    std::vector<ReaderCase> cases;
    cases.push_back({ "modification time", [] {
        return Single(Zip({ With(File("a", "x"), [](Entry& e) { e.dosDate = ZipWriter::DosDate(2024, 5, 17); e.dosTime = ZipWriter::DosTime(13, 45, 30); }) })); },
        0, { ok }, { { "a", "x", 0644, 1715953530 } } });
    cases.push_back({ "invalid time leaves the file without it", [] {
        return Single(Zip({ With(File("a", "x"), [](Entry& e) { e.dosDate = 0; }) })); },
        0, { refused }, { { "a", "x" } } });
    cases.push_back({ "DOS read-only file and folder", [] {
        return Single(Zip({ With(Entry::Folder("ro/"), [](Entry& e) { e.externalAttributes = 0x11; }),
                            With(File("ro/a", "x"), [](Entry& e) { e.externalAttributes = 0x01; }), File("ro/b", "y") })); },
        0, { ok, ok, ok }, { { "ro/", "", 0555 }, { "ro/a", "x", 0444 }, { "ro/b", "y", 0644 } } });
    cases.push_back({ "Unix permissions", [=] {
        return Single(Zip({ unix(File("run", "#!"), 0100751), unix(File("setid", "s"), 0106755), unix(Entry::Folder("private/"), 040700),
                            unix(File("private/f", "f"), 0100600) })); },
        0, { ok, ok, ok, ok }, { { "private/", "", 0700 }, { "private/f", "f", 0600 }, { "run", "#!", 0751 }, { "setid", "s", 0755 } } });
    cases.push_back({ "symbolic link written as a plain file", [=] {
        return Single(Zip({ unix(File("link", "/etc/passwd", kStored), 0120777) })); },
        0, { ok }, { { "link", "/etc/passwd", 0644 } } });
    return cases;
}

std::vector<ReaderCase> VolumeCases()
{
    const auto volumes = [](bool loseSecond) {
        ZipWriter w;
        w.Add(File("a", Noise(700), kStored));
        w.Add(File("b", Prose(2000)));
        w.Add(File("c", Noise(500)));
        std::vector<std::vector<std::uint8_t>> v = w.FinishVolumes(400);
        if (loseSecond)
            v[1].clear();
        ArchiveFiles files { v.back(), {} };
        v.pop_back();
        files.volumesBefore = std::move(v);
        return files;
    };
    std::vector<ReaderCase> cases;
    cases.push_back({ "numbered volumes", [=] { return volumes(false); }, 0, { ok, ok, ok },
                      { { "a", Noise(700) }, { "b", Prose(2000) }, { "c", Noise(500) } } });
    cases.push_back({ "lost volume", [=] { return volumes(true); }, 0, { fileError }, { { "a", "" } } });
    return cases;
}

} // namespace

const std::vector<ReaderCase>& ReaderCases()
{
    static const std::vector<ReaderCase> cases = [] {
        std::vector<ReaderCase> all;
        for (auto group : { NoEndRecordCases, EndRecordCases, DataCases, LocalHeaderCases, NameCases, AttributeCases, VolumeCases }) {
            std::vector<ReaderCase> some = group();
            all.insert(all.end(), std::make_move_iterator(some.begin()), std::make_move_iterator(some.end()));
        }
        return all;
    }();
    return cases;
}
