// xtool owner SELECTION: exit status 0 when the selection has an owner. The
// session script waits with it until the compositor and the tray host run.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <xcb/xcb.h>

int main(int argc, char** argv) {
    if (argc != 3 || std::strcmp(argv[1], "owner") != 0) {
        std::fprintf(stderr, "usage: xtool owner SELECTION\n");
        return 2;
    }
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "xtool: cannot open the display\n");
        return 2;
    }
    const char* name = argv[2];
    auto* atom =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 1, uint16_t(strlen(name)), name), nullptr);
    auto* owner =
        atom && atom->atom != XCB_ATOM_NONE
            ? xcb_get_selection_owner_reply(c, xcb_get_selection_owner(c, atom->atom), nullptr)
            : nullptr;
    const bool owned = owner && owner->owner != XCB_WINDOW_NONE;
    std::free(owner);
    std::free(atom);
    xcb_disconnect(c);
    return owned ? 0 : 1;
}
