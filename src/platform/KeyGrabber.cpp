#include "platform/KeyGrabber.h"
#include "platform/headless/HeadlessKeyGrabber.h"
#include "platform/x11/X11Connection.h"
#include "platform/x11/X11KeyGrabber.h"

std::unique_ptr<KeyGrabber> KeyGrabber::forThisDesktop(Fire fire) {
    if (xcb_connection_t* connection = X11::qtConnection())
        return std::make_unique<X11KeyGrabber>(connection, std::move(fire));
    return std::make_unique<HeadlessKeyGrabber>();
}
