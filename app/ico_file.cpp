#include "app/ico_file.h"

#include <cstdint>

namespace app {

namespace {

void PutU16(std::string& out, std::uint32_t value) {
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>((value >> 8) & 0xFF);
}

void PutU32(std::string& out, std::uint32_t value) {
    PutU16(out, value & 0xFFFF);
    PutU16(out, value >> 16);
}

std::uint32_t MaskStride(int width) {
    return static_cast<std::uint32_t>((width + 31) / 32 * 4);
}

// The image as an icon stores it: a bitmap header of double height (colour plus mask), the
// colour rows bottom-up as BGRA, then the mask rows bottom-up, one bit per pixel.
std::string IconImage(const platform::Picture& picture) {
    const auto width = static_cast<std::uint32_t>(picture.width);
    const auto height = static_cast<std::uint32_t>(picture.height);
    const std::uint32_t colourBytes = width * height * 4;
    const std::uint32_t maskBytes = MaskStride(picture.width) * height;
    std::string out;
    PutU32(out, 40);
    PutU32(out, width);
    PutU32(out, height * 2);
    PutU16(out, 1);
    PutU16(out, 32);
    PutU32(out, 0);  // uncompressed
    PutU32(out, colourBytes + maskBytes);
    PutU32(out, 0);
    PutU32(out, 0);
    PutU32(out, 0);
    PutU32(out, 0);
    for (int y = picture.height - 1; y >= 0; --y) {
        for (int x = 0; x < picture.width; ++x) PutU32(out, picture.at(x, y));
    }
    for (int y = picture.height - 1; y >= 0; --y) {
        std::string row(MaskStride(picture.width), '\0');
        for (int x = 0; x < picture.width; ++x) {
            if ((picture.at(x, y) >> 24) < 128) {
                char& bits = row[static_cast<std::size_t>(x / 8)];
                bits = static_cast<char>(bits | (0x80 >> (x % 8)));
            }
        }
        out += row;
    }
    return out;
}

struct DirectoryEntry {
    const platform::Picture& picture;
    // Icons keep their colour planes and depth here, cursors their hot spot.
    std::uint32_t planesOrHotSpotX;
    std::uint32_t bitsOrHotSpotY;
};

constexpr std::uint32_t kIconType = 1;
constexpr std::uint32_t kCursorType = 2;

std::string EncodeDirectory(std::uint32_t type, const std::vector<DirectoryEntry>& entries) {
    std::string out;
    PutU16(out, 0);  // reserved
    PutU16(out, type);
    PutU16(out, static_cast<std::uint32_t>(entries.size()));
    std::vector<std::string> images;
    images.reserve(entries.size());
    for (const auto& entry : entries) images.push_back(IconImage(entry.picture));
    auto offset = static_cast<std::uint32_t>(6 + 16 * entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        out += static_cast<char>(entries[i].picture.width & 0xFF);  // 256 is written as 0
        out += static_cast<char>(entries[i].picture.height & 0xFF);
        out += '\0';  // no palette
        out += '\0';
        PutU16(out, entries[i].planesOrHotSpotX);
        PutU16(out, entries[i].bitsOrHotSpotY);
        PutU32(out, static_cast<std::uint32_t>(images[i].size()));
        PutU32(out, offset);
        offset += static_cast<std::uint32_t>(images[i].size());
    }
    for (const auto& image : images) out += image;
    return out;
}

}  // namespace

std::string EncodeIco(const std::vector<platform::Picture>& pictures) {
    std::vector<DirectoryEntry> entries;
    entries.reserve(pictures.size());
    for (const auto& picture : pictures) entries.push_back({picture, 1, 32});  // one plane, 32 bits
    return EncodeDirectory(kIconType, entries);
}

std::string EncodeCur(const platform::Picture& picture, platform::Point hotSpot) {
    return EncodeDirectory(kCursorType,
                           {{picture, static_cast<std::uint32_t>(hotSpot.x), static_cast<std::uint32_t>(hotSpot.y)}});
}

}  // namespace app
