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

// Deflate's bits, first bit lowest; its Huffman codes go highest bit first.
class Bits {
public:
    explicit Bits(Bytes& out) : out_(out) {}
    void put(std::uint32_t value, int count) {
        for (int i = 0; i < count; ++i) {
            byte_ |= ((value >> i) & 1) << used_;
            if (++used_ == 8) {
                flush();
            }
        }
    }
    void code(std::uint32_t value, int count) {
        for (int i = count - 1; i >= 0; --i) {
            put(value >> i, 1);
        }
    }
    void flush() {
        if (used_ > 0) {
            out_.push_back(static_cast<std::uint8_t>(byte_));
        }
        byte_ = 0;
        used_ = 0;
    }

private:
    Bytes& out_;
    std::uint32_t byte_ = 0;
    int used_ = 0;
};

// A literal, a length or the block's end in deflate's fixed Huffman code.
void symbol(Bits& bits, int value) {
    if (value < 144) {
        bits.code(0x30 + value, 8);
    } else if (value < 256) {
        bits.code(0x190 + value - 144, 9);
    } else if (value < 280) {
        bits.code(value - 256, 7);
    } else {
        bits.code(0xC0 + value - 280, 8);
    }
}

// A repeat of `length` bytes from `distance` back: a code for each, and their extra bits.
void repeat(Bits& bits, int length, int distance) {
    static constexpr int kLengths[] = {3,  4,  5,  6,   7,   8,   9,   10,  11, 13,
                                       15, 17, 19, 23,  27,  31,  35,  43,  51, 59,
                                       67, 83, 99, 115, 131, 163, 195, 227, 258};
    static constexpr int kDistances[] = {
        1,   2,   3,   4,   5,   7,    9,    13,   17,   25,   33,   49,   65,    97,    129,
        193, 257, 385, 513, 769, 1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
    int l = 28;
    while (kLengths[l] > length) {
        --l;
    }
    symbol(bits, 257 + l);
    const int lengthextra = l < 8 || l == 28 ? 0 : (l - 4) / 4;
    bits.put(static_cast<std::uint32_t>(length - kLengths[l]), lengthextra);
    int d = 29;
    while (kDistances[d] > distance) {
        --d;
    }
    bits.code(static_cast<std::uint32_t>(d), 5);
    bits.put(static_cast<std::uint32_t>(distance - kDistances[d]), d < 4 ? 0 : (d - 2) / 2);
}

// A PNG of the icon, deflated with the fixed codes, each run repeating the pixel before or the
// row above: an icon is mostly flat colour, and this keeps the program free of a compression
// library.
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
    Bits bits(zlib);
    bits.put(1, 1);  // the last block
    bits.put(1, 2);  // fixed codes
    const std::size_t row = 1 + 4 * static_cast<std::size_t>(size);
    for (std::size_t at = 0; at < raw.size();) {
        std::size_t length = 0, distance = 0;
        for (const std::size_t back : {std::size_t{4}, row}) {
            std::size_t n = 0;
            while (back <= at && at + n < raw.size() && n < 258 &&
                   raw[at + n] == raw[at + n - back]) {
                ++n;
            }
            if (n > length) {
                length = n;
                distance = back;
            }
        }
        if (length >= 3) {
            repeat(bits, static_cast<int>(length), static_cast<int>(distance));
            at += length;
        } else {
            symbol(bits, raw[at++]);
        }
    }
    symbol(bits, 256);
    bits.flush();
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
