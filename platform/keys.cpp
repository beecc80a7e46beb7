// Key names for scripts and diagnostics: the key code's name without its prefix.
#include "platform/keys.h"

#include <cstring>

namespace {

struct KeyName {
    const char* name;
    uint8_t code;
};

#define KEY(n) {#n, DIK_##n}

// Every key of the keyboard state, by name.
const KeyName keyNames[] = {
    KEY(ESCAPE), KEY(1), KEY(2), KEY(3), KEY(4), KEY(5), KEY(6), KEY(7), KEY(8), KEY(9), KEY(0),
    KEY(MINUS), KEY(EQUALS), KEY(BACK), KEY(TAB),
    KEY(Q), KEY(W), KEY(E), KEY(R), KEY(T), KEY(Y), KEY(U), KEY(I), KEY(O), KEY(P),
    KEY(LBRACKET), KEY(RBRACKET), KEY(RETURN), KEY(LCONTROL),
    KEY(A), KEY(S), KEY(D), KEY(F), KEY(G), KEY(H), KEY(J), KEY(K), KEY(L),
    KEY(SEMICOLON), KEY(APOSTROPHE), KEY(GRAVE), KEY(LSHIFT), KEY(BACKSLASH),
    KEY(Z), KEY(X), KEY(C), KEY(V), KEY(B), KEY(N), KEY(M),
    KEY(COMMA), KEY(PERIOD), KEY(SLASH), KEY(RSHIFT), KEY(MULTIPLY), KEY(LMENU), KEY(SPACE),
    KEY(CAPITAL),
    KEY(F1), KEY(F2), KEY(F3), KEY(F4), KEY(F5), KEY(F6), KEY(F7), KEY(F8), KEY(F9), KEY(F10),
    KEY(NUMLOCK), KEY(SCROLL),
    KEY(NUMPAD7), KEY(NUMPAD8), KEY(NUMPAD9), KEY(SUBTRACT), KEY(NUMPAD4), KEY(NUMPAD5),
    KEY(NUMPAD6), KEY(ADD), KEY(NUMPAD1), KEY(NUMPAD2), KEY(NUMPAD3), KEY(NUMPAD0), KEY(DECIMAL),
    KEY(OEM_102), KEY(F11), KEY(F12), KEY(NUMPADENTER), KEY(RCONTROL), KEY(DIVIDE), KEY(SYSRQ),
    KEY(RMENU), KEY(PAUSE), KEY(HOME), KEY(UP), KEY(PRIOR), KEY(LEFT), KEY(RIGHT), KEY(END),
    KEY(DOWN), KEY(NEXT), KEY(INSERT), KEY(DELETE), KEY(LWIN), KEY(RWIN), KEY(APPS),
};

#undef KEY

} // namespace

uint8_t I_KeyByName(const char* name)
{
    for (const KeyName& key : keyNames)
        if (std::strcmp(key.name, name) == 0)
            return key.code;
    return 0;
}

const char* I_KeyName(uint8_t code)
{
    for (const KeyName& key : keyNames)
        if (key.code == code)
            return key.name;
    return nullptr;
}

int I_KeyControlChar(uint8_t code)
{
    switch (code) {
    case DIK_BACK: return 8;
    case DIK_RETURN:
    case DIK_NUMPADENTER: return 13;
    case DIK_ESCAPE: return 27;
    default: return 0;
    }
}
