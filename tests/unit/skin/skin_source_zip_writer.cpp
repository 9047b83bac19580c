#include "skin_source_zip_writer.h"

#include <zlib.h>

#include <cstdint>
#include <stdexcept>

namespace {

void Put16(std::vector<unsigned char>& out, std::uint32_t value) {
  out.push_back(static_cast<unsigned char>(value));
  out.push_back(static_cast<unsigned char>(value >> 8));
}

void Put32(std::vector<unsigned char>& out, std::uint32_t value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

std::string RawDeflate(const std::string& data) {
  z_stream stream{};
  if (deflateInit2(&stream, 9, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) != Z_OK) {
    throw std::runtime_error("deflateInit2");
  }
  std::string out(deflateBound(&stream, static_cast<uLong>(data.size())), '\0');
  stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
  stream.avail_in = static_cast<uInt>(data.size());
  stream.next_out = reinterpret_cast<Bytef*>(out.data());
  stream.avail_out = static_cast<uInt>(out.size());
  const int result = deflate(&stream, Z_FINISH);
  out.resize(stream.total_out);
  deflateEnd(&stream);
  if (result != Z_STREAM_END) throw std::runtime_error("deflate");
  return out;
}

struct Header {
  std::uint32_t method, crc, packedSize, size, nameLength;
};

void PutCommonFields(std::vector<unsigned char>& out, const Header& h) {
  Put16(out, 20);        // version needed
  Put16(out, 0);         // flags
  Put16(out, h.method);
  Put16(out, 0);         // time
  Put16(out, 0x2821);    // date: 2000-01-01
  Put32(out, h.crc);
  Put32(out, h.packedSize);
  Put32(out, h.size);
  Put16(out, h.nameLength);
  Put16(out, 0);         // extra field length
}

}  // namespace

std::vector<unsigned char> MakeTestZip(const std::vector<TestZipEntry>& entries) {
  std::vector<unsigned char> out;
  std::vector<unsigned char> directory;
  for (const TestZipEntry& entry : entries) {
    const bool deflated = entry.method == TestZipEntry::Method::Deflated;
    const std::string packed = deflated ? RawDeflate(entry.data) : entry.data;
    std::uint32_t crc = crc32(0, reinterpret_cast<const Bytef*>(entry.data.data()),
                              static_cast<uInt>(entry.data.size()));
    if (entry.badCrc) crc ^= 0x5A5A5A5A;
    const Header header{deflated ? 8u : 0u, crc, static_cast<std::uint32_t>(packed.size()),
                        static_cast<std::uint32_t>(entry.data.size()),
                        static_cast<std::uint32_t>(entry.name.size())};
    const auto offset = static_cast<std::uint32_t>(out.size());

    Put32(out, 0x04034b50);
    PutCommonFields(out, header);
    out.insert(out.end(), entry.name.begin(), entry.name.end());
    out.insert(out.end(), packed.begin(), packed.end());

    Put32(directory, 0x02014b50);
    Put16(directory, 20);  // version made by
    PutCommonFields(directory, header);
    Put16(directory, 0);   // comment length
    Put16(directory, 0);   // disk
    Put16(directory, 0);   // internal attributes
    Put32(directory, 0);   // external attributes
    Put32(directory, offset);
    directory.insert(directory.end(), entry.name.begin(), entry.name.end());
  }
  const auto directoryOffset = static_cast<std::uint32_t>(out.size());
  out.insert(out.end(), directory.begin(), directory.end());
  Put32(out, 0x06054b50);
  Put16(out, 0);
  Put16(out, 0);
  Put16(out, static_cast<std::uint32_t>(entries.size()));
  Put16(out, static_cast<std::uint32_t>(entries.size()));
  Put32(out, static_cast<std::uint32_t>(directory.size()));
  Put32(out, directoryOffset);
  Put16(out, 0);
  return out;
}
