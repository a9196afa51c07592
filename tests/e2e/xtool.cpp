// Small X clients the end-to-end tests need besides the program itself:
//   xtool owner SELECTION   exit 0 when the selection has an owner (session readiness)
//   xtool grab LETTER       hold Ctrl+Alt+LETTER as another program would; prints
//                           "grabbed" or "refused", then waits for its standard input to close
//   xtool window TITLE      map a plain top-level window; prints its id, then waits likewise
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>
#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>

namespace {
xcb_screen_t* defaultScreen(xcb_connection_t* c, int number) {
    auto it = xcb_setup_roots_iterator(xcb_get_setup(c));
    for (int i = 0; i < number && it.rem > 1; ++i)
        xcb_screen_next(&it);
    return it.data;
}

void waitForStdinToClose() {
    char buffer[64];
    while (read(STDIN_FILENO, buffer, sizeof buffer) > 0) {
    }
}

int owner(xcb_connection_t* c, const char* name) {
    auto* atom =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 1, uint16_t(strlen(name)), name), nullptr);
    if (!atom || atom->atom == XCB_ATOM_NONE) return 1;
    auto* reply = xcb_get_selection_owner_reply(c, xcb_get_selection_owner(c, atom->atom), nullptr);
    const bool owned = reply && reply->owner != XCB_WINDOW_NONE;
    free(reply);
    free(atom);
    return owned ? 0 : 1;
}

int grab(xcb_connection_t* c, xcb_screen_t* screen, char letter) {
    xcb_key_symbols_t* symbols = xcb_key_symbols_alloc(c);
    xcb_keycode_t* codes = xcb_key_symbols_get_keycode(symbols, xcb_keysym_t(letter | 0x20));
    bool held = codes && *codes != XCB_NO_SYMBOL;
    if (held) {
        const auto cookie =
            xcb_grab_key_checked(c, 0, screen->root, XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1,
                                 codes[0], XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
        if (xcb_generic_error_t* error = xcb_request_check(c, cookie)) {
            held = false;
            free(error);
        }
    }
    free(codes);
    std::printf(held ? "grabbed\n" : "refused\n");
    std::fflush(stdout);
    waitForStdinToClose();
    xcb_key_symbols_free(symbols);
    return held ? 0 : 1;
}

int window(xcb_connection_t* c, xcb_screen_t* screen, const char* title) {
    const xcb_window_t id = xcb_generate_id(c);
    const uint32_t values[] = {screen->white_pixel, XCB_EVENT_MASK_KEY_PRESS};
    xcb_create_window(c, XCB_COPY_FROM_PARENT, id, screen->root, 100, 100, 320, 200, 0,
                      XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual,
                      XCB_CW_BACK_PIXEL | XCB_CW_EVENT_MASK, values);
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, id, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8,
                        uint32_t(strlen(title)), title);
    xcb_map_window(c, id);
    xcb_flush(c);
    std::printf("%u\n", id);
    std::fflush(stdout);
    waitForStdinToClose();
    return 0;
}
} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: xtool owner SELECTION | grab LETTER | window TITLE\n");
        return 2;
    }
    int screenNumber = 0;
    xcb_connection_t* c = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "xtool: cannot open the display\n");
        return 2;
    }
    xcb_screen_t* screen = defaultScreen(c, screenNumber);
    const std::string command = argv[1];
    int status = 2;
    if (command == "owner")
        status = owner(c, argv[2]);
    else if (command == "grab")
        status = grab(c, screen, argv[2][0]);
    else if (command == "window")
        status = window(c, screen, argv[2]);
    xcb_disconnect(c);
    return status;
}
