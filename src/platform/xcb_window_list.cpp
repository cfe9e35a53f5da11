#include "platform/window_list.h"

#include <xcb/xcb.h>
#include <xcb/xcb_ewmh.h>
#include <xcb/xcb_icccm.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace qv {
namespace {

constexpr qsizetype kMaxTitleLength = 255;
constexpr int kConnectAttempts = 3;
constexpr uint32_t kNormalState = 1;  // WM_STATE values of the ICCCM
constexpr uint32_t kIconicState = 3;

struct FreeDeleter {
    void operator()(void* p) const { std::free(p); }
};
template <typename T>
using Reply = std::unique_ptr<T, FreeDeleter>;

QString cutTitle(QString title) {
    if (title.size() <= kMaxTitleLength) return title;
    // Never keep half of a surrogate pair.
    const qsizetype length =
        title.at(kMaxTitleLength - 1).isHighSurrogate() ? kMaxTitleLength - 1 : kMaxTitleLength;
    title.truncate(length);
    return title;
}

// Some clients store the terminating zero of a title as well.
QString untilZero(const QString& title) {
    const qsizetype zero = title.indexOf(QChar(0));
    return zero < 0 ? title : title.left(zero);
}

// The replies for one candidate window, asked for all at once so that listing takes a single
// round trip however many windows there are.
struct Requests {
    xcb_window_t window;
    xcb_get_window_attributes_cookie_t attributes;
    xcb_get_property_cookie_t transientFor;
    xcb_get_property_cookie_t netName;
    xcb_get_property_cookie_t name;
    xcb_get_property_cookie_t state;
};

// A connection to the display and the look at its windows.
class Desktop {
  public:
    explicit Desktop(const QByteArray& displayName) : connection_(connect(displayName, screen_)) {
        if (broken()) return;
        xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(connection_));
        for (int i = 0; i < screen_ && it.rem > 0; ++i) xcb_screen_next(&it);
        if (it.rem == 0) return;
        root_ = it.data->root;
        const xcb_intern_atom_cookie_t stateCookie = xcb_intern_atom(connection_, 0, 8, "WM_STATE");
        ewmhReady_ = xcb_ewmh_init_atoms_replies(&ewmh_, xcb_ewmh_init_atoms(connection_, &ewmh_),
                                                 nullptr) != 0;
        const Reply<xcb_intern_atom_reply_t> state(
            xcb_intern_atom_reply(connection_, stateCookie, nullptr));
        if (state) wmState_ = state->atom;
    }

    ~Desktop() {
        if (ewmhReady_) xcb_ewmh_connection_wipe(&ewmh_);
        xcb_disconnect(connection_);
    }

    Desktop(const Desktop&) = delete;
    Desktop& operator=(const Desktop&) = delete;

    bool broken() const { return xcb_connection_has_error(connection_) != 0; }

    std::vector<TopWindow> topWindows() {
        if (root_ == XCB_NONE) return {};
        std::vector<Requests> requests;
        for (const xcb_window_t window : candidates()) requests.push_back(ask(window));
        std::vector<TopWindow> windows;
        for (const Requests& r : requests) {
            // Every reply is collected, also for windows that turn out not to be listed.
            const bool visible = isVisible(r);
            const bool owned = isOwned(r);
            QString title = titleOf(r);
            if (visible && !owned && !title.isEmpty())
                windows.push_back({cutTitle(std::move(title)), r.window});
        }
        return windows;
    }

  private:
    // The X server now and then hangs up on a connection it has just accepted (when it reuses
    // the descriptor of a client that has just left); a second attempt gets through.
    static xcb_connection_t* connect(const QByteArray& displayName, int& screen) {
        const char* name = displayName.isEmpty() ? nullptr : displayName.constData();
        xcb_connection_t* connection = xcb_connect(name, &screen);
        for (int attempt = 1;
             attempt < kConnectAttempts && xcb_connection_has_error(connection) != 0; ++attempt) {
            xcb_disconnect(connection);
            connection = xcb_connect(name, &screen);
        }
        return connection;
    }

    // A window manager reparents client windows into frames of its own, so with one running
    // its client list names the windows; without one the root's children are the windows.
    std::vector<xcb_window_t> candidates() {
        if (ewmhReady_ && windowManagerRunning()) {
            xcb_ewmh_get_windows_reply_t clients;
            if (xcb_ewmh_get_client_list_reply(&ewmh_, xcb_ewmh_get_client_list(&ewmh_, screen_),
                                               &clients, nullptr) != 0) {
                std::vector<xcb_window_t> windows(clients.windows,
                                                  clients.windows + clients.windows_len);
                xcb_ewmh_get_windows_reply_wipe(&clients);
                return windows;
            }
        }
        const Reply<xcb_query_tree_reply_t> tree(
            xcb_query_tree_reply(connection_, xcb_query_tree(connection_, root_), nullptr));
        if (!tree) return {};
        const xcb_window_t* children = xcb_query_tree_children(tree.get());
        // The tree lists bottom to top; callers expect the topmost window first.
        std::vector<xcb_window_t> windows(children,
                                          children + xcb_query_tree_children_length(tree.get()));
        std::reverse(windows.begin(), windows.end());
        return windows;
    }

    // A client list left behind by a window manager that has gone is stale.
    bool windowManagerRunning() {
        xcb_window_t check = XCB_NONE;
        if (xcb_ewmh_get_supporting_wm_check_reply(
                &ewmh_, xcb_ewmh_get_supporting_wm_check(&ewmh_, root_), &check, nullptr) == 0)
            return false;
        xcb_window_t self = XCB_NONE;
        return xcb_ewmh_get_supporting_wm_check_reply(
                   &ewmh_, xcb_ewmh_get_supporting_wm_check(&ewmh_, check), &self, nullptr) != 0 &&
               self == check;
    }

    Requests ask(xcb_window_t window) {
        Requests r{};
        r.window = window;
        r.attributes = xcb_get_window_attributes(connection_, window);
        r.transientFor = xcb_icccm_get_wm_transient_for(connection_, window);
        if (ewmhReady_) r.netName = xcb_ewmh_get_wm_name(&ewmh_, window);
        r.name = xcb_icccm_get_wm_name(connection_, window);
        if (wmState_ != XCB_NONE)
            r.state = xcb_get_property(connection_, 0, window, wmState_, wmState_, 0, 2);
        return r;
    }

    // Visible as the application sees it: mapped, or kept by the window manager while
    // minimised or on another desktop (the manager unmaps the window itself then).
    bool isVisible(const Requests& r) {
        const Reply<xcb_get_window_attributes_reply_t> attributes(
            xcb_get_window_attributes_reply(connection_, r.attributes, nullptr));
        uint32_t state = 0;
        if (wmState_ != XCB_NONE) {
            const Reply<xcb_get_property_reply_t> reply(
                xcb_get_property_reply(connection_, r.state, nullptr));
            if (reply && reply->format == 32 && xcb_get_property_value_length(reply.get()) >= 4)
                std::memcpy(&state, xcb_get_property_value(reply.get()), sizeof state);
        }
        if (!attributes) return false;  // the window has gone
        return attributes->map_state != XCB_MAP_STATE_UNMAPPED || state == kNormalState ||
               state == kIconicState;
    }

    bool isOwned(const Requests& r) {
        xcb_window_t owner = XCB_NONE;
        const bool hasOwner =
            xcb_icccm_get_wm_transient_for_reply(connection_, r.transientFor, &owner, nullptr) != 0;
        return hasOwner && owner != XCB_NONE;
    }

    QString titleOf(const Requests& r) {
        QString title;
        if (ewmhReady_) {
            xcb_ewmh_get_utf8_strings_reply_t netName;
            if (xcb_ewmh_get_wm_name_reply(&ewmh_, r.netName, &netName, nullptr) != 0) {
                title = untilZero(QString::fromUtf8(netName.strings,
                                                    static_cast<qsizetype>(netName.strings_len)));
                xcb_ewmh_get_utf8_strings_reply_wipe(&netName);
            }
        }
        xcb_icccm_get_text_property_reply_t name;
        if (xcb_icccm_get_wm_name_reply(connection_, r.name, &name, nullptr) != 0) {
            if (title.isEmpty()) {
                const auto length = static_cast<qsizetype>(name.name_len);
                title = untilZero(ewmhReady_ && name.encoding == ewmh_.UTF8_STRING
                                      ? QString::fromUtf8(name.name, length)
                                      : QString::fromLatin1(name.name, length));
            }
            xcb_icccm_get_text_property_reply_wipe(&name);
        }
        return title;
    }

    int screen_ = 0;  // declared before connection_, whose initialiser writes it
    xcb_connection_t* connection_;
    xcb_window_t root_ = XCB_NONE;
    xcb_ewmh_connection_t ewmh_{};
    bool ewmhReady_ = false;
    xcb_atom_t wmState_ = XCB_NONE;
};

class X11WindowList : public WindowList {
  public:
    explicit X11WindowList(QByteArray displayName) : displayName_(std::move(displayName)) {}

    // One connection serves every call, so that no look pays for connecting; it is opened
    // again when the display went away.
    std::vector<TopWindow> topWindows() override {
        if (!desktop_ || desktop_->broken()) desktop_ = std::make_unique<Desktop>(displayName_);
        return desktop_->topWindows();
    }

  private:
    QByteArray displayName_;
    std::unique_ptr<Desktop> desktop_;
};

}  // namespace

std::unique_ptr<WindowList> makeX11WindowList(const QByteArray& displayName) {
    return std::make_unique<X11WindowList>(displayName);
}

}  // namespace qv
