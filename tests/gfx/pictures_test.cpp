// PCX and BMP pictures: what the writers write reads back identically, the decoders'
// details, and every kind of bad file is refused.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "gfx/bitmap.h"
#include "gfx/pcx.h"

namespace {

using Bytes = std::vector<uint8_t>;

class PictureFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/taltrix-pictures-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir = pattern;
    }
    void TearDown() override
    {
        for (const std::string& f : files)
            std::remove(f.c_str());
        rmdir(dir.c_str());
    }
    std::string PathOf(const std::string& name)
    {
        files.push_back(dir + "/" + name);
        return files.back();
    }
    std::string Write(const std::string& name, const Bytes& bytes)
    {
        const std::string path = PathOf(name);
        std::FILE* f = std::fopen(path.c_str(), "wb");
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
        return path;
    }
    Bytes Read(const std::string& path)
    {
        Bytes bytes;
        std::FILE* f = std::fopen(path.c_str(), "rb");
        for (int c; f && (c = std::fgetc(f)) != EOF;)
            bytes.push_back(uint8_t(c));
        if (f)
            std::fclose(f);
        return bytes;
    }

    std::string dir;
    std::vector<std::string> files;
};

void PutLE(Bytes& b, size_t at, uint32_t v, int n)
{
    for (int i = 0; i < n; ++i)
        b[at + i] = uint8_t(v >> (8 * i));
}

// A picture with long runs, single bytes at and above the run flag and a ramp.
Bytes TestPixels(int w, int h)
{
    Bytes p(size_t(w) * h);
    for (size_t i = 0; i < p.size(); ++i)
        p[i] = (i / 70) % 3 == 0 ? 200 : uint8_t(i * 7 + i / w);
    return p;
}

void TestColours(Q2SL_palette& pal)
{
    for (int i = 0; i < 256; ++i) {
        pal.colors[i].red = uint8_t(i % 64);
        pal.colors[i].green = uint8_t((i * 3) % 64);
        pal.colors[i].blue = uint8_t(63 - i % 64);
    }
}

// A PCX file: header for w x h, the encoded bytes, the marker and a palette of 8-bit grey i.
Bytes PcxFile(int w, int h, const Bytes& encoded, uint8_t marker = 12)
{
    Bytes b(128, 0);
    b[0] = 10, b[1] = 5, b[2] = 1, b[3] = 8, b[65] = 1;
    PutLE(b, 8, uint32_t(w - 1), 2);
    PutLE(b, 10, uint32_t(h - 1), 2);
    PutLE(b, 66, uint32_t(w + (w & 1)), 2);
    b.insert(b.end(), encoded.begin(), encoded.end());
    b.push_back(marker);
    for (int i = 0; i < 256; ++i)
        b.insert(b.end(), {uint8_t(i), uint8_t(i), uint8_t(i)});
    return b;
}

// An uncompressed BMP: headers, a colour table for 8 bits, the pixel bytes as given.
Bytes BmpFile(int w, int h, int bits, const Bytes& pixels)
{
    const uint32_t table = bits == 8 ? 1024 : 0;
    Bytes b(54 + table, 0);
    b[0] = 'B', b[1] = 'M';
    PutLE(b, 2, uint32_t(b.size() + pixels.size()), 4);
    PutLE(b, 10, uint32_t(b.size()), 4);
    PutLE(b, 14, 40, 4);
    PutLE(b, 18, uint32_t(w), 4);
    PutLE(b, 22, uint32_t(h), 4);
    PutLE(b, 26, 1, 2);
    PutLE(b, 28, uint32_t(bits), 2);
    PutLE(b, 34, uint32_t(pixels.size()), 4);
    for (uint32_t i = 0; i < table / 4; ++i)
        PutLE(b, 54 + 4 * i, i | (255 - i) << 16, 4);  // blue i, red 255 - i
    b.insert(b.end(), pixels.begin(), pixels.end());
    return b;
}

}  // namespace

TEST_F(PictureFiles, PcxWrittenReadsBackIdentically)
{
    const int sizes[][2] = {{1, 1}, {5, 3}, {64, 2}, {480, 464}, {kMaxPictureWidth, 4}};
    for (const auto& size : sizes) {
        const int w = size[0], h = size[1];
        const Bytes pixels = TestPixels(w, h);
        Q2SL_palette colours;
        TestColours(colours);
        Q2SL_pcx out;
        const std::string path = PathOf("p.pcx");
        ASSERT_EQ(out.Save(path.c_str(), pixels.data(), colours, w, h), 1) << w;

        Q2SL_pcx in;
        ASSERT_EQ(in.LoadFile(path.c_str()), 1) << w;
        ASSERT_EQ(in.Width(), w);
        ASSERT_EQ(in.Height(), h);
        EXPECT_EQ(in.pcxHeader.bytesPerLine, w + (w & 1));
        EXPECT_EQ(std::memcmp(in.image, pixels.data(), pixels.size()), 0) << w;
        for (int i = 0; i < 256; ++i) {
            EXPECT_EQ(in.palette.colors[i].red, colours.colors[i].red);
            EXPECT_EQ(in.palette.colors[i].green, colours.colors[i].green);
            EXPECT_EQ(in.palette.colors[i].blue, colours.colors[i].blue);
        }
        // Saving what was read writes the same file again.
        const std::string again = PathOf("q.pcx");
        ASSERT_EQ(in.Save(again.c_str()), 1);
        EXPECT_EQ(Read(again), Read(path));
    }
}

TEST_F(PictureFiles, PcxDecoding)
{
    // 5 x 3, odd: each encoded row has 6 bytes, the sixth dropped. 0xC1 0xC5 is one pixel
    // of 0xC5; a run may cross the padding into the next row.
    const Bytes encoded = {1, 2, 3, 4, 5, 99, 0xC1, 0xC5, 0xC3, 7, 0xC3, 8, 9, 10, 11, 12};
    const std::string path = Write("odd.pcx", PcxFile(5, 3, encoded, 0x55));
    Q2SL_pcx pcx;
    ASSERT_EQ(pcx.LoadFile(path.c_str()), 1);  // the marker is not checked
    const Bytes expected = {1, 2, 3, 4, 5, 0xC5, 7, 7, 7, 8, 8, 9, 10, 11, 12};
    EXPECT_EQ(Bytes(pcx.image, pcx.image + 15), expected);
    EXPECT_EQ(pcx.palette.colors[200].red, 200 >> 2);
    EXPECT_STREQ(pcx.path, path.c_str());
}

TEST_F(PictureFiles, PcxRefusesBadFiles)
{
    const Bytes good = {0xCA, 1, 0xCA, 2};  // 10 x 2: a row of ones, a row of twos
    struct Case {
        const char* what;
        std::function<Bytes()> file;
    };
    const Case cases[] = {
        {"header only", [] { return Bytes(128, 0); }},
        {"shorter than header and palette", [&] { Bytes b = PcxFile(10, 2, good); b.resize(890); return b; }},
        {"pixel data ends early", [] { return PcxFile(10, 2, {0xCA, 1, 0xC8, 2}); }},
        {"run without its value", [] { return PcxFile(10, 2, {0xCA, 1, 0xC3}); }},
        {"width 65536", [&] { return PcxFile(65536, 2, good); }},
        {"width over the limit", [&] { return PcxFile(kMaxPictureWidth + 1, 2, good); }},
        {"height over the limit", [&] { return PcxFile(10, kMaxPictureHeight + 1, good); }},
        {"4 bits per pixel", [&] { Bytes b = PcxFile(10, 2, good); b[3] = 4; return b; }},
        {"three planes", [&] { Bytes b = PcxFile(10, 2, good); b[65] = 3; return b; }},
    };
    {
        Q2SL_pcx pcx;
        ASSERT_EQ(pcx.LoadFile(Write("good.pcx", PcxFile(10, 2, good)).c_str()), 1);
    }
    for (const Case& c : cases) {
        const std::string path = Write("bad.pcx", c.file());
        // Again and again: a refused file leaves no file open and no reader slot taken.
        for (int i = 0; i < 20; ++i) {
            Q2SL_pcx pcx;
            ASSERT_EQ(pcx.LoadFile(path.c_str()), 0) << c.what;
            EXPECT_EQ(pcx.image, nullptr) << c.what;
        }
    }
    Q2SL_pcx missing;
    EXPECT_EQ(missing.LoadFile((dir + "/none.pcx").c_str()), 0);
    Q2SL_pcx pcx;
    EXPECT_EQ(pcx.LoadFile(Write("good.pcx", PcxFile(10, 2, good)).c_str()), 1);
}

TEST_F(PictureFiles, PcxWriterRefusesSizesItCannotRead)
{
    const Bytes pixels(size_t(kMaxPictureWidth + 1) * 2);
    Q2SL_palette colours;
    Q2SL_pcx pcx;
    EXPECT_EQ(pcx.Save(PathOf("w.pcx").c_str(), pixels.data(), colours, kMaxPictureWidth + 1, 2), 0);
    EXPECT_EQ(pcx.Save(PathOf("w.pcx").c_str(), pixels.data(), colours, 0, 2), 0);
    EXPECT_EQ(pcx.Save((dir + "/no/such/dir.pcx").c_str(), pixels.data(), colours, 4, 2), 0);
}

TEST_F(PictureFiles, BmpWrittenReadsBackIdentically)
{
    const int sizes[][2] = {{1, 1}, {5, 3}, {640, 480}};
    for (const auto& size : sizes) {
        const int w = size[0], h = size[1];
        const Bytes pixels = TestPixels(w, h);
        Q2SL_palette colours;
        TestColours(colours);
        const std::string path = PathOf("p.bmp");
        ASSERT_EQ(Save_Bitmap_File(path.c_str(), pixels.data(), colours, w, h), 1);
        EXPECT_EQ(Read(path).size(), 1078u + pixels.size());

        BitmapFile bmp;
        ASSERT_EQ(Load_Bitmap_Path(&bmp, path.c_str()), 1) << w;
        EXPECT_EQ(bmp.infoHeader.biWidth, w);
        EXPECT_EQ(bmp.infoHeader.biHeight, h);
        EXPECT_EQ(bmp.infoHeader.biBitCount, 8);
        EXPECT_EQ(bmp.infoHeader.biSizeImage, pixels.size());
        EXPECT_EQ(std::memcmp(bmp.buffer, pixels.data(), pixels.size()), 0) << w;
        for (int i = 0; i < 256; ++i) {
            EXPECT_EQ(bmp.palette[i].peRed, colours.colors[i].red << 2);
            EXPECT_EQ(bmp.palette[i].peGreen, colours.colors[i].green << 2);
            EXPECT_EQ(bmp.palette[i].peBlue, colours.colors[i].blue << 2);
            EXPECT_EQ(bmp.palette[i].peFlags, PC_NOCOLLAPSE);
        }
        EXPECT_EQ(Unload_Bitmap_File(&bmp), 1);
        EXPECT_EQ(bmp.buffer, nullptr);
    }
}

TEST_F(PictureFiles, BmpDeepPicturesBecome16Bits)
{
    // 2 x 2, bottom row first. Blue 255, green 0, red 8 gives red 1, green 0, blue 31.
    const Bytes bgr = {255, 0, 8, 0, 0, 0, /* top: */ 0, 255, 0, 255, 255, 255};
    BitmapFile deep;
    ASSERT_EQ(Load_Bitmap_Path(&deep, Write("24.bmp", BmpFile(2, 2, 24, bgr)).c_str()), 1);
    EXPECT_EQ(deep.infoHeader.biBitCount, 16);
    const auto* v = reinterpret_cast<const uint16_t*>(deep.buffer);
    EXPECT_EQ(v[0], 31 << 5);        // top row: green
    EXPECT_EQ(v[1], 0x7FFF);         // white
    EXPECT_EQ(v[2], 1 << 10 | 31);   // the pixel of the example
    EXPECT_EQ(v[3], 0);
    Unload_Bitmap_File(&deep);

    const Bytes words = {1, 0, 2, 0, 3, 0, 4, 0};  // 2 x 2 of 16-bit values
    BitmapFile hi;
    ASSERT_EQ(Load_Bitmap_Path(&hi, Write("16.bmp", BmpFile(2, 2, 16, words)).c_str()), 1);
    EXPECT_EQ(Bytes(hi.buffer, hi.buffer + 8), (Bytes{3, 0, 4, 0, 1, 0, 2, 0}));
    Unload_Bitmap_File(&hi);
}

TEST_F(PictureFiles, BmpRefusesBadFiles)
{
    const Bytes pixels(12, 5);
    struct Case {
        const char* what;
        std::function<void(Bytes&)> spoil;
    };
    const Case cases[] = {
        {"not BM", [](Bytes& b) { b[0] = 'X'; }},
        {"cut in the info header", [](Bytes& b) { b.resize(30); }},
        {"cut in the colour table", [](Bytes& b) { b.resize(54 + 500); }},
        {"pixels larger than the file", [](Bytes& b) { PutLE(b, 34, 5000, 4); }},
        {"pixels fewer than the picture", [](Bytes& b) { PutLE(b, 34, 11, 4); }},
        {"pixels of size 0", [](Bytes& b) { PutLE(b, 34, 0, 4); }},
        {"pixels of 4 GB", [](Bytes& b) { PutLE(b, 34, 0xFFFFFFFF, 4); }},
        {"info header of another size", [](Bytes& b) { PutLE(b, 14, 108, 4); }},
        {"compressed", [](Bytes& b) { PutLE(b, 30, 1, 4); }},
        {"32 bits", [](Bytes& b) { PutLE(b, 28, 32, 2); }},
        {"top-down rows", [](Bytes& b) { PutLE(b, 22, uint32_t(-3), 4); }},
        {"width 0", [](Bytes& b) { PutLE(b, 18, 0, 4); }},
        {"huge width", [](Bytes& b) { PutLE(b, 18, 0x40000000, 4); }},
        {"height over the limit", [](Bytes& b) { PutLE(b, 22, kMaxPictureHeight + 1, 4); }},
    };
    const Bytes good = BmpFile(4, 3, 8, pixels);
    for (const Case& c : cases) {
        Bytes file = good;
        c.spoil(file);
        const std::string path = Write("bad.bmp", file);
        // Again and again: a refused file leaves no file open.
        for (int i = 0; i < 20; ++i) {
            BitmapFile bmp;
            ASSERT_EQ(Load_Bitmap_Path(&bmp, path.c_str()), 0) << c.what;
            EXPECT_EQ(bmp.buffer, nullptr) << c.what;
        }
    }
    BitmapFile bmp;
    EXPECT_EQ(Load_Bitmap_Path(&bmp, (dir + "/none.bmp").c_str()), 0);
    ASSERT_EQ(Load_Bitmap_Path(&bmp, Write("good.bmp", good).c_str()), 1);
    EXPECT_EQ(bmp.palette[3].peBlue, 3);
    EXPECT_EQ(bmp.palette[3].peRed, 252);
    Unload_Bitmap_File(&bmp);
}
