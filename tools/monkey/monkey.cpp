// The monkey: writes a long random input script for a headless run, pressing keys, holding
// the pad keys, moving and clicking the mouse and typing names, so that a run wanders
// through every screen. The same seed always gives the same script.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

namespace {

// Keys the screens and the game act on, and every other key now and then.
const char* const gameKeys[] = {"LEFT", "RIGHT", "UP", "DOWN", "SPACE", "RETURN", "ESCAPE", "Y", "N", "P",
                                "LCONTROL", "LSHIFT", "1", "2", "3", "4", "5", "F1", "F2", "F10"};
const char* const otherKeys[] = {"A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L", "M", "O", "Q", "R",
                                 "S", "T", "U", "V", "W", "X", "Z", "0", "6", "7", "8", "9", "TAB", "BACK",
                                 "F3", "F4", "F5", "F6", "F7", "F8", "F9", "F11", "F12", "NUMPADENTER", "PAUSE",
                                 "HOME", "END", "PRIOR", "NEXT", "INSERT", "DELETE", "MINUS", "EQUALS"};

struct Monkey {
    std::mt19937_64 rng;
    uint64_t ms = 500;

    int Below(int n) { return static_cast<int>(rng() % static_cast<uint64_t>(n)); }
    template <size_t N>
    const char* Pick(const char* const (&names)[N]) { return names[Below(N)]; }

    void Line(const std::string& event) { std::printf("%llu %s\n", static_cast<unsigned long long>(ms), event.c_str()); }

    void Tap(const char* key) { Line(std::string("tap ") + key); ms += 70 + Below(200); }

    // Holds a pad key for a while, as a player steering does.
    void Hold(const char* key)
    {
        Line(std::string("key ") + key + " down");
        ms += 50 + Below(1500);
        Line(std::string("key ") + key + " up");
        ms += 10 + Below(100);
    }

    // A name typed into the name entry, sometimes with Backspace, then Enter.
    void TypeName()
    {
        std::string name;
        const int length = 1 + Below(14);
        for (int i = 0; i < length; i++)
            name += static_cast<char>('$' + Below(91));  // printable, never the script's comment mark
        Line("text " + name);
        ms += 30 * static_cast<uint64_t>(length) + 100;
        if (Below(3) == 0)
            Tap("BACK");
        Tap("RETURN");
    }

    void Mouse()
    {
        const int n = 1 + Below(20);
        for (int i = 0; i < n; i++) {
            Line("mouse " + std::to_string(Below(81) - 40) + " " + std::to_string(Below(21) - 10));
            ms += 16;
        }
        if (Below(2) == 0) {
            const std::string b = std::to_string(Below(4));
            Line("button " + b + " down");
            ms += 30 + Below(300);
            Line("button " + b + " up");
        }
        ms += 20;
    }

    void Step()
    {
        const int roll = Below(100);
        if (roll < 30)
            Hold(Below(2) ? "LEFT" : "RIGHT");
        else if (roll < 65)
            Tap(Pick(gameKeys));
        else if (roll < 75)
            Tap(Pick(otherKeys));
        else if (roll < 90)
            Mouse();
        else if (roll < 95)
            TypeName();
        else
            ms += 500 + Below(4000);  // a player who waits
    }
};

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: taltrix_monkey SEED MILLISECONDS > script\n");
        return 2;
    }
    Monkey monkey;
    monkey.rng.seed(std::strtoull(argv[1], nullptr, 10));
    const uint64_t end = std::strtoull(argv[2], nullptr, 10);
    std::printf("# monkey script, seed %s\n", argv[1]);
    while (monkey.ms < end)
        monkey.Step();
    return 0;
}
