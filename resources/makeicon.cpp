// Writes the program's icon: tarvelo-16.png to tarvelo-256.png for the desktop's icon theme, and
// tarvelo.ico, all sizes in one, for Windows. Usage: makeicon <folder>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "Icon.h"

namespace {

constexpr int kSizes[] = {16, 24, 32, 48, 64, 128, 256};

using Bytes = std::vector<std::uint8_t>;

void put(Bytes& out, std::uint32_t value, int bytes, bool bigendian = false) {
    for (int i = 0; i < bytes; ++i) {
        const int shift = 8 * (bigendian ? bytes - 1 - i : i);
        out.push_back(static_cast<std::uint8_t>(value >> shift));
    }
}

std::uint32_t crc32(const std::uint8_t* data, std::size_t size) {
    std::uint32_t crc = 0xFFFFFFFF;
    for (std::size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int k = 0; k < 8; ++k) {
            crc = (crc >> 1) ^ (0xEDB88320 & (0 - (crc & 1)));
        }
    }
    return ~crc;
}

// Straight colour from premultiplied.
std::array<std::uint8_t, 4> rgba(std::uint32_t pixel) {
    const std::uint32_t a = pixel >> 24;
    const auto channel = [a](std::uint32_t c) {
        return static_cast<std::uint8_t>(a == 0 ? 0 : (c * 255 + a / 2) / a);
    };
    return {channel((pixel >> 16) & 0xFF), channel((pixel >> 8) & 0xFF), channel(pixel & 0xFF),
            static_cast<std::uint8_t>(a)};
}

// A PNG of the icon. Its data is deflated in stored blocks: an icon is small, and this keeps
// the program free of a compression library.
Bytes png(int size, const std::vector<std::uint32_t>& pixels) {
    Bytes raw;
    for (int y = 0; y < size; ++y) {
        raw.push_back(0);  // no filter
        for (int x = 0; x < size; ++x) {
            for (std::uint8_t c : rgba(pixels[static_cast<std::size_t>(y) * size + x])) {
                raw.push_back(c);
            }
        }
    }
    Bytes zlib = {0x78, 0x01};
    for (std::size_t at = 0; at < raw.size();) {
        const std::size_t length = std::min<std::size_t>(raw.size() - at, 65535);
        zlib.push_back(at + length == raw.size() ? 1 : 0);
        put(zlib, static_cast<std::uint32_t>(length), 2);
        put(zlib, static_cast<std::uint32_t>(~length & 0xFFFF), 2);
        zlib.insert(zlib.end(), raw.begin() + static_cast<std::ptrdiff_t>(at),
                    raw.begin() + static_cast<std::ptrdiff_t>(at + length));
        at += length;
    }
    std::uint32_t a = 1, b = 0;  // Adler-32
    for (std::uint8_t c : raw) {
        a = (a + c) % 65521;
        b = (b + a) % 65521;
    }
    put(zlib, b << 16 | a, 4, true);

    Bytes file = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    const auto chunk = [&file](const char* name, const Bytes& body) {
        put(file, static_cast<std::uint32_t>(body.size()), 4, true);
        Bytes named(name, name + 4);
        named.insert(named.end(), body.begin(), body.end());
        file.insert(file.end(), named.begin(), named.end());
        put(file, crc32(named.data(), named.size()), 4, true);
    };
    Bytes header;
    put(header, static_cast<std::uint32_t>(size), 4, true);
    put(header, static_cast<std::uint32_t>(size), 4, true);
    header.insert(header.end(), {8, 6, 0, 0, 0});  // 8 bits, RGBA, deflate, no filter, no interlace
    chunk("IHDR", header);
    chunk("IDAT", zlib);
    chunk("IEND", {});
    return file;
}

// An icon image as Windows keeps it: a 32-bit bitmap, bottom row first, then a mask of no bits.
Bytes bitmap(int size, const std::vector<std::uint32_t>& pixels) {
    Bytes image;
    put(image, 40, 4);  // BITMAPINFOHEADER
    put(image, static_cast<std::uint32_t>(size), 4);
    put(image, static_cast<std::uint32_t>(size * 2), 4);  // the colours and the mask
    put(image, 1, 2);
    put(image, 32, 2);
    put(image, 0, 4);
    put(image, 0, 4);
    put(image, 0, 4);
    put(image, 0, 4);
    put(image, 0, 4);
    put(image, 0, 4);
    for (int y = size - 1; y >= 0; --y) {
        for (int x = 0; x < size; ++x) {
            const auto [r, g, b, a] = rgba(pixels[static_cast<std::size_t>(y) * size + x]);
            image.insert(image.end(), {b, g, r, a});
        }
    }
    const int maskrow = (size + 31) / 32 * 4;
    image.insert(image.end(), static_cast<std::size_t>(maskrow) * size, 0);
    return image;
}

bool save(const std::string& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: makeicon <folder> [size...]\n");
        return 2;
    }
    const std::string folder = argv[1];
    // Further sizes asked for, as PNGs only: a web app's 192 and 512, say.
    for (int i = 2; i < argc; ++i) {
        const int size = std::atoi(argv[i]);
        if (size < 16 || size > 1024 ||
            !save(folder + "/tarvelo-" + std::to_string(size) + ".png",
                  png(size, ui::iconpixels(size)))) {
            std::fprintf(stderr, "makeicon: cannot draw %s pixels into %s\n", argv[i],
                         folder.c_str());
            return 1;
        }
    }
    Bytes icon;
    put(icon, 0, 2);
    put(icon, 1, 2);  // an icon
    put(icon, std::size(kSizes), 2);
    std::vector<Bytes> images;
    for (int size : kSizes) {
        const auto pixels = ui::iconpixels(size);
        if (!save(folder + "/tarvelo-" + std::to_string(size) + ".png", png(size, pixels))) {
            std::fprintf(stderr, "makeicon: cannot write into %s\n", folder.c_str());
            return 1;
        }
        images.push_back(bitmap(size, pixels));
    }
    std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(std::size(kSizes));
    for (std::size_t i = 0; i < images.size(); ++i) {
        const int size = kSizes[i];
        put(icon, size == 256 ? 0 : static_cast<std::uint32_t>(size), 1);  // 0 stands for 256
        put(icon, size == 256 ? 0 : static_cast<std::uint32_t>(size), 1);
        put(icon, 0, 1);
        put(icon, 0, 1);
        put(icon, 1, 2);
        put(icon, 32, 2);
        put(icon, static_cast<std::uint32_t>(images[i].size()), 4);
        put(icon, offset, 4);
        offset += static_cast<std::uint32_t>(images[i].size());
    }
    for (const Bytes& image : images) {
        icon.insert(icon.end(), image.begin(), image.end());
    }
    if (!save(folder + "/tarvelo.ico", icon)) {
        std::fprintf(stderr, "makeicon: cannot write into %s\n", folder.c_str());
        return 1;
    }
    return 0;
}
