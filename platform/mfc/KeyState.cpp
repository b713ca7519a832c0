// The keys held down: the modifiers that the user script holds while it clicks or types.
#include <set>

#include "mfc/WindowManager.h"
#include "mfc/WinUserApi.h"

namespace qelt {
namespace {

std::set<int>& HeldKeys() {
    static std::set<int> held;
    return held;
}

}  // namespace

void HoldKey(int virtualKey, bool down) {
    if (down) HeldKeys().insert(virtualKey);
    else HeldKeys().erase(virtualKey);
}

}  // namespace qelt

short GetKeyState(int nVirtKey) {
    return qelt::HeldKeys().count(nVirtKey) ? static_cast<short>(0x8000) : 0;
}
