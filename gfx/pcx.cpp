// PCX pictures: 8 bits per pixel, one plane, run-length encoded, the 256-colour palette in
// the last 768 bytes behind a marker byte.
#include "gfx/pcx.h"

#include <bit>
#include <cstring>
#include <string>
#include <vector>

#include "app/shell.h"
#include "gfx/dosfile.h"
#include "platform/platform.h"

// The headers are read and written as they lie in memory.
static_assert(std::endian::native == std::endian::little, "little-endian headers");

namespace {

constexpr int64_t kHeaderBytes = 128;
constexpr int64_t kPaletteBytes = 769;  // the marker byte and 256 x 3 components
constexpr uint8_t kPaletteMarker = 12;
constexpr int kRunFlag = 192;  // bytes from here on start a run of (byte - 192) pixels
constexpr int kMaxRun = 63;
// The longest pixel data a picture within the limits may need: two bytes a pixel, each
// row with its padding byte. Anything longer is not a picture we wrote or can read.
constexpr int64_t kMaxEncodedBytes = 2 * int64_t(kMaxPictureWidth + 1) * kMaxPictureHeight;
constexpr size_t kOutBlock = 32000;  // written out whenever it holds kOutBlock - 1 bytes or more

// Every row of the file holds an even number of bytes: an odd width gets one padding byte.
int EncodedRowLength(int width)
{
    return width + (width & 1);
}

bool SizeInRange(int w, int h)
{
    return w >= 1 && w <= kMaxPictureWidth && h >= 1 && h <= kMaxPictureHeight;
}

void CloseRead(int handle)
{
    Q2SL_DosRead(handle, nullptr, 0, nullptr, Q2SL_DOS_RELEASE);
    Dos_Close(handle);
}

// Buffered output of the encoder.
class EncodedOut {
public:
    explicit EncodedOut(int handle) : handle(handle), block(kOutBlock) {}
    void Put(uint8_t b)
    {
        block[fill++] = b;
        if (fill >= kOutBlock - 1)
            Flush();
    }
    bool Flush()
    {
        ok = ok && Q2SL_WriteAll(handle, block.data(), static_cast<uint32_t>(fill));
        fill = 0;
        return ok;
    }

private:
    int handle;
    std::vector<uint8_t> block;
    size_t fill = 0;
    bool ok = true;
};

void EncodeRow(const uint8_t* row, int length, EncodedOut& out)
{
    for (int i = 0; i < length;) {
        int run = 1;
        while (i + run < length && run < kMaxRun && row[i + run] == row[i])
            ++run;
        if (run > 1 || row[i] >= kRunFlag)
            out.Put(static_cast<uint8_t>(kRunFlag + run));
        out.Put(row[i]);
        i += run;
    }
}

}  // namespace

Q2SL_pcx::~Q2SL_pcx()
{
    Delete();
}

void Q2SL_pcx::Delete()
{
    my_delete(image, "pcx image");
    my_delete(path, "pcx path");
}

void Q2SL_pcx::KeepPath(const char* from)
{
    my_delete(path, "pcx path");
    const size_t length = std::strlen(from);
    path = static_cast<char*>(my_new(length + 1, "pcx path"));
    if (path)
        std::memcpy(path, from, length + 1);
}

int Q2SL_pcx::ReadPCX(int handle)
{
    return Q2SL_ReadAll(handle, &pcxHeader, sizeof pcxHeader);
}

int Q2SL_pcx::ReadBuffer(int handle, int64_t fileSize)
{
    const int64_t encodedBytes = fileSize - kHeaderBytes - kPaletteBytes;
    if (encodedBytes <= 0 || encodedBytes > kMaxEncodedBytes)
        return 0;
    auto* encoded = static_cast<uint8_t*>(my_new(static_cast<size_t>(encodedBytes), "pcx data"));
    if (!encoded)
        return 0;
    int ok = Q2SL_ReadAll(handle, encoded, static_cast<uint32_t>(encodedBytes));

    // Decoded bytes fill rows of the encoded length; a padding byte is dropped.
    const int w = Width();
    const int rowLength = EncodedRowLength(w);
    const int64_t wanted = int64_t(w) * Height();
    int64_t produced = 0;
    int column = 0;
    uint8_t* out = image;
    const uint8_t* in = encoded;
    const uint8_t* end = encoded + encodedBytes;
    while (ok && produced < wanted) {
        if (in == end) {
            ok = 0;  // the data ended before the picture was complete
            break;
        }
        int count = 1;
        if (*in >= kRunFlag) {
            count = *in++ - kRunFlag;
            if (in == end) {
                ok = 0;  // a run without its value
                break;
            }
        }
        const uint8_t value = *in++;
        for (; count > 0 && produced < wanted; --count) {
            if (column < w) {
                *out++ = value;
                ++produced;
            }
            if (++column == rowLength)
                column = 0;
        }
    }
    my_delete(encoded, "pcx data");
    return ok;
}

int Q2SL_pcx::Load(const char* gamePath)
{
    const int ok = LoadFile(I_DataPath(gamePath).c_str());
    KeepPath(gamePath);
    return ok;
}

int Q2SL_pcx::LoadFile(const char* realPath)
{
    my_delete(image, "pcx image");
    KeepPath(realPath);
    const int handle = Dos_OpenRead(realPath);
    if (handle < 0)
        return 0;
    const int64_t fileSize = Dos_Size(handle);
    uint8_t marker = 0;
    // Only 8-bit single-plane pictures within the size limits are read.
    int ok = ReadPCX(handle) && pcxHeader.bitsPerPixel == 8 && pcxHeader.planes == 1 &&
             SizeInRange(Width(), Height());
    if (ok) {
        image = static_cast<uint8_t*>(my_new(size_t(Width()) * Height(), "pcx image"));
        ok = image && ReadBuffer(handle, fileSize) && Q2SL_ReadU8(handle, marker) &&
             palette.ReadPCX(handle);
    }
    CloseRead(handle);
    if (!ok)
        my_delete(image, "pcx image");
    return ok;
}

int Q2SL_pcx::WritePicture(int handle) const
{
    const int w = Width();
    const int rowLength = EncodedRowLength(w);
    auto* row = static_cast<uint8_t*>(my_new(size_t(rowLength), "pcx row"));
    if (!row)
        return 0;
    EncodedOut out(handle);
    for (int r = 0; r < Height(); ++r) {
        std::memcpy(row, image + size_t(r) * w, size_t(w));
        row[rowLength - 1] = row[w - 1];  // an odd row repeats its last pixel
        EncodeRow(row, rowLength, out);
    }
    out.Put(kPaletteMarker);
    for (const Q2SL_color& c : palette.colors) {
        out.Put(static_cast<uint8_t>(c.red << 2));
        out.Put(static_cast<uint8_t>(c.green << 2));
        out.Put(static_cast<uint8_t>(c.blue << 2));
    }
    const int ok = out.Flush();
    my_delete(row, "pcx row");
    return ok;
}

int Q2SL_pcx::Save(const char* realPath)
{
    if (!image || !SizeInRange(Width(), Height()))
        return 0;
    pcxHeader.manufacturer = 10;
    pcxHeader.version = 5;
    pcxHeader.encoding = 1;
    pcxHeader.bitsPerPixel = 8;
    pcxHeader.xMin = pcxHeader.yMin = 0;
    pcxHeader.hRes = 320;
    pcxHeader.vRes = 200;
    pcxHeader.reserved = 0;
    pcxHeader.planes = 1;
    pcxHeader.bytesPerLine = static_cast<uint16_t>(EncodedRowLength(Width()));
    pcxHeader.paletteInfo = 1;

    const int handle = Dos_OpenWrite(realPath);
    if (handle < 0)
        return 0;
    const int ok = Q2SL_WriteAll(handle, &pcxHeader, sizeof pcxHeader) && WritePicture(handle);
    Dos_Close(handle);
    return ok;
}

int Q2SL_pcx::Save(const char* realPath, const uint8_t* pixels, const Q2SL_palette& colours, int w,
                   int h)
{
    if (!pixels || !SizeInRange(w, h))
        return 0;
    my_delete(image, "pcx image");
    image = static_cast<uint8_t*>(my_new(size_t(w) * h, "pcx image"));
    if (!image)
        return 0;
    std::memcpy(image, pixels, size_t(w) * h);
    pcxHeader.xMax = static_cast<uint16_t>(w - 1);
    pcxHeader.yMax = static_cast<uint16_t>(h - 1);
    palette.CopyColors(colours);
    return Save(realPath);
}
