#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Writes ZIP archives in memory: the test fixtures of the archive reader and
// the bundled skin packages. Every field the reader looks at can be set,
// including ones that make an archive wrong, so that a fixture shows exactly
// the fault it is about.
//
//     ZipWriter w;
//     w.Add(ZipWriter::Entry::File("Skin.ini", text));
//     std::vector<std::uint8_t> bytes = w.Finish();
class ZipWriter {
public:
    enum class Descriptor { None, WithSignature, WithoutSignature };

    struct Entry {
        std::string name;                   // stored as these bytes
        std::string data;                   // the uncompressed content
        std::uint16_t method = 8;           // 8 deflates; any other value stores the data as it is
        std::uint16_t flags = 0;            // bit 3 is added when a descriptor follows the data
        Descriptor descriptor = Descriptor::None;
        std::uint32_t externalAttributes = 0;
        std::uint16_t versionMadeBy = 20;   // high byte: 0 DOS, 3 Unix
        std::uint16_t dosTime = 0;
        std::uint16_t dosDate = (1 << 5) | 1; // 1980-01-01
        std::optional<std::uint32_t> crc;   // written instead of the real CRC-32
        std::optional<std::uint32_t> compressedSize;   // written instead of the real sizes
        std::optional<std::uint32_t> uncompressedSize;
        std::optional<std::string> rawData; // written in place of the compressed data
        std::string extra;                  // local and central extra field

        static Entry File(std::string name, std::string data, std::uint16_t method = 8);
        static Entry Folder(std::string name);
    };

    void Add(Entry entry);
    void SetComment(std::string comment);
    // Bytes written in front of the archive (a program stub, say). Stored
    // offsets do not count them, as when a stub is put in front of a finished
    // archive.
    void SetPrefix(std::string prefix);

    std::vector<std::uint8_t> Finish() const;

    // The archive split into volumes of at most `volumeSize` bytes (a header
    // never straddles two volumes, entry data may); the last one holds the
    // end record.
    std::vector<std::vector<std::uint8_t>> FinishVolumes(std::size_t volumeSize) const;

    // Raw deflate, as entries of method 8 hold it.
    static std::string Deflate(const std::string& data);

    static std::uint16_t DosDate(int year, int month, int day);
    static std::uint16_t DosTime(int hour, int minute, int second);

    static void WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes);

private:
    std::vector<Entry> m_entries;
    std::string m_comment;
    std::string m_prefix;
};
