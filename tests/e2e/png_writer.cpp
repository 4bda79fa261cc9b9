#include "png_writer.h"

#include <windows.h>

namespace {

std::uint32_t Crc32(const std::string& bytes) {
  std::uint32_t crc = 0xFFFFFFFFu;
  for (unsigned char byte : bytes) {
    crc ^= byte;
    for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
  }
  return crc ^ 0xFFFFFFFFu;
}

std::uint32_t Adler32(const std::string& bytes) {
  std::uint32_t a = 1, b = 0;
  for (unsigned char byte : bytes) {
    a = (a + byte) % 65521u;
    b = (b + a) % 65521u;
  }
  return (b << 16) | a;
}

void PutBigEndian(std::string& into, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) into.push_back(static_cast<char>((value >> shift) & 0xFF));
}

void PutChunk(std::string& into, const char* type, const std::string& data) {
  PutBigEndian(into, static_cast<std::uint32_t>(data.size()));
  std::string typed = std::string(type, 4) + data;
  into += typed;
  PutBigEndian(into, Crc32(typed));
}

// A zlib stream of stored blocks: no compression, so no window size matters.
std::string StoredZlib(const std::string& raw) {
  std::string out = "\x78\x01";
  std::size_t at = 0;
  do {
    std::size_t length = raw.size() - at < 65535 ? raw.size() - at : 65535;
    bool last = at + length == raw.size();
    out.push_back(last ? '\x01' : '\x00');
    out.push_back(static_cast<char>(length & 0xFF));
    out.push_back(static_cast<char>(length >> 8));
    out.push_back(static_cast<char>(~length & 0xFF));
    out.push_back(static_cast<char>((~length >> 8) & 0xFF));
    out.append(raw, at, length);
    at += length;
  } while (at < raw.size());
  PutBigEndian(out, Adler32(raw));
  return out;
}

}  // namespace

std::string PngBytes(int width, int height, const std::vector<std::uint8_t>& rgb) {
  std::string header;
  PutBigEndian(header, static_cast<std::uint32_t>(width));
  PutBigEndian(header, static_cast<std::uint32_t>(height));
  header += std::string("\x08\x02\x00\x00\x00", 5);  // 8 bits per sample, RGB, no interlace

  // Every row starts with filter type 0 (none).
  std::string raw;
  std::size_t rowBytes = static_cast<std::size_t>(width) * 3;
  for (int y = 0; y < height; ++y) {
    raw.push_back('\0');
    raw.append(reinterpret_cast<const char*>(rgb.data()) + static_cast<std::size_t>(y) * rowBytes, rowBytes);
  }

  std::string png = "\x89PNG\r\n\x1a\n";
  PutChunk(png, "IHDR", header);
  PutChunk(png, "IDAT", StoredZlib(raw));
  PutChunk(png, "IEND", "");
  return png;
}

bool WritePng(const std::wstring& path, int width, int height, const std::vector<std::uint8_t>& rgb) {
  std::string png = PngBytes(width, height, rgb);
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  BOOL ok = WriteFile(file, png.data(), static_cast<DWORD>(png.size()), &written, nullptr);
  CloseHandle(file);
  return ok && written == png.size();
}
