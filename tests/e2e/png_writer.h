// Writing an RGB image as a PNG file without a compression library: the image
// data goes into stored (uncompressed) deflate blocks.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Pixels are rows from top to bottom, 3 bytes (red, green, blue) per pixel.
std::string PngBytes(int width, int height, const std::vector<std::uint8_t>& rgb);

// Writes PngBytes to the file; false when the file cannot be written.
bool WritePng(const std::wstring& path, int width, int height, const std::vector<std::uint8_t>& rgb);
