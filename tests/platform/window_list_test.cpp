#include "platform/window_list.h"

#include <xcb/xcb.h>
#include <xcb/xcb_icccm.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {

using Listed = std::vector<std::pair<quint32, std::string>>;

TEST(WindowListService, InstalledListServesEveryCaller) {
    qv::FakeWindowList fake;
    fake.windows = {{u"工程1 - Microsoft Visual Basic [设计]"_s, 7}};
    qv::installWindowList(&fake);
    EXPECT_EQ(&qv::windowList(), &fake);
    EXPECT_EQ(qv::windowList().topWindows(), fake.windows);
    qv::installWindowList(nullptr);
    EXPECT_NE(&qv::windowList(), &fake);
}

TEST(WindowListService, FakeTakesUpcomingListsInTurn) {
    qv::FakeWindowList fake;
    const std::vector<qv::TopWindow> ide{{u"Microsoft Visual Basic"_s, 1}};
    fake.upcoming = {ide, {}};
    EXPECT_EQ(fake.topWindows(), ide);
    EXPECT_TRUE(fake.topWindows().empty());
    EXPECT_TRUE(fake.topWindows().empty());  // the last list stays
    EXPECT_EQ(fake.calls, 3);
}

TEST(X11WindowList, WithoutDisplayListsNothing) {
    EXPECT_TRUE(qv::makeX11WindowList(":31999")->topWindows().empty());
}

// Creates test windows on the display named by DISPLAY, over a connection of its own.
class X11WindowListTest : public ::testing::Test {
  protected:
    void SetUp() override {
        const char* display = std::getenv("DISPLAY");
        if (display == nullptr || *display == '\0') GTEST_SKIP() << "DISPLAY is not set";
        int screenNumber = 0;
        connection_ = xcb_connect(nullptr, &screenNumber);
        // The server may hang up on a connection made just after another one closed.
        for (int attempt = 1; attempt < 3 && xcb_connection_has_error(connection_) != 0;
             ++attempt) {
            xcb_disconnect(connection_);
            connection_ = xcb_connect(nullptr, &screenNumber);
        }
        if (xcb_connection_has_error(connection_) != 0)
            GTEST_SKIP() << "cannot open display " << display;
        xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(connection_));
        for (int i = 0; i < screenNumber; ++i) xcb_screen_next(&it);
        screen_ = it.data;
        netWmName_ = atom("_NET_WM_NAME");
        utf8String_ = atom("UTF8_STRING");
        wmState_ = atom("WM_STATE");
    }

    void TearDown() override {
        if (connection_ == nullptr) return;
        for (const xcb_window_t window : created_) xcb_destroy_window(connection_, window);
        xcb_disconnect(connection_);
    }

    xcb_atom_t atom(const char* name) {
        xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
            connection_,
            xcb_intern_atom(connection_, 0, static_cast<uint16_t>(std::strlen(name)), name),
            nullptr);
        const xcb_atom_t result = reply != nullptr ? reply->atom : XCB_NONE;
        std::free(reply);
        return result;
    }

    xcb_window_t create() {
        const xcb_window_t window = xcb_generate_id(connection_);
        xcb_create_window(connection_, XCB_COPY_FROM_PARENT, window, screen_->root, 10, 10, 120, 40,
                          0, XCB_WINDOW_CLASS_INPUT_OUTPUT, screen_->root_visual, 0, nullptr);
        created_.push_back(window);
        return window;
    }

    void setNetName(xcb_window_t window, const QString& title) {
        const QByteArray bytes = title.toUtf8();
        xcb_change_property(connection_, XCB_PROP_MODE_REPLACE, window, netWmName_, utf8String_, 8,
                            static_cast<uint32_t>(bytes.size()), bytes.constData());
    }

    void setName(xcb_window_t window, const QByteArray& latin1) {
        xcb_icccm_set_wm_name(connection_, window, XCB_ATOM_STRING, 8,
                              static_cast<uint32_t>(latin1.size()), latin1.constData());
    }

    xcb_window_t titled(const QString& title) {
        const xcb_window_t window = create();
        setNetName(window, title);
        return window;
    }

    // After this the server has carried out every request sent so far.
    void sync() {
        std::free(
            xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr));
    }

    static bool waitUntil(const std::function<bool()>& condition) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (!condition()) {
            if (std::chrono::steady_clock::now() > deadline) return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return true;
    }

    bool viewable(xcb_window_t window) {
        xcb_get_window_attributes_reply_t* reply = xcb_get_window_attributes_reply(
            connection_, xcb_get_window_attributes(connection_, window), nullptr);
        const bool result = reply != nullptr && reply->map_state == XCB_MAP_STATE_VIEWABLE;
        std::free(reply);
        return result;
    }

    uint32_t wmState(xcb_window_t window) {
        xcb_get_property_reply_t* reply = xcb_get_property_reply(
            connection_, xcb_get_property(connection_, 0, window, wmState_, wmState_, 0, 1),
            nullptr);
        uint32_t state = 0;
        if (reply != nullptr && xcb_get_property_value_length(reply) >= 4)
            std::memcpy(&state, xcb_get_property_value(reply), sizeof state);
        std::free(reply);
        return state;
    }

    bool windowManagerRunning() {
        xcb_get_property_reply_t* reply = xcb_get_property_reply(
            connection_,
            xcb_get_property(connection_, 0, screen_->root, atom("_NET_SUPPORTING_WM_CHECK"),
                             XCB_ATOM_WINDOW, 0, 1),
            nullptr);
        const bool result = reply != nullptr && xcb_get_property_value_length(reply) >= 4;
        std::free(reply);
        return result;
    }

    void sendToRoot(const void* event) {
        xcb_send_event(connection_, 0, screen_->root,
                       XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                       static_cast<const char*>(event));
    }

    // The listed windows among those this test made, by handle.
    Listed ours(const std::vector<qv::TopWindow>& windows) const {
        Listed result;
        for (const qv::TopWindow& window : windows) {
            if (std::find(created_.begin(), created_.end(), window.handle) != created_.end())
                result.emplace_back(window.handle, window.title.toStdString());
        }
        std::sort(result.begin(), result.end());
        return result;
    }

    Listed listedNow() { return ours(list_->topWindows()); }

    xcb_connection_t* connection_ = nullptr;
    xcb_screen_t* screen_ = nullptr;
    xcb_atom_t netWmName_ = XCB_NONE;
    xcb_atom_t utf8String_ = XCB_NONE;
    xcb_atom_t wmState_ = XCB_NONE;
    std::vector<xcb_window_t> created_;
    std::unique_ptr<qv::WindowList> list_ = qv::makeX11WindowList();
};

TEST_F(X11WindowListTest, ListsOnlyVisibleUnownedTitledWindows) {
    const xcb_window_t visible = titled(u"Quorvane probe"_s);
    const xcb_window_t hidden = titled(u"Quorvane probe hidden"_s);
    const xcb_window_t dialog = titled(u"Quorvane probe dialog"_s);
    xcb_icccm_set_wm_transient_for(connection_, dialog, visible);
    const xcb_window_t untitled = create();
    const xcb_window_t legacy = titled(u""_s);  // an empty _NET_WM_NAME falls back to WM_NAME
    setName(legacy, "Quorvane legacy name");
    const xcb_window_t ide = titled(u"工程1 - Microsoft Visual Basic [设计]"_s);
    setName(ide, "not this one");
    const xcb_window_t longTitle = titled(QString(300, u'x'));
    const xcb_window_t cutPair = titled(QString(254, u'y') + u"\U0001F600"_s);  // 256 UTF-16 units
    const std::vector<xcb_window_t> mapped{visible, dialog,    untitled, legacy,
                                           ide,     longTitle, cutPair};
    for (const xcb_window_t window : mapped) xcb_map_window(connection_, window);
    sync();
    ASSERT_TRUE(waitUntil([&] {
        return std::all_of(mapped.begin(), mapped.end(),
                           [&](xcb_window_t w) { return viewable(w); });
    }));
    ASSERT_FALSE(viewable(hidden));

    Listed expected{
        {visible, "Quorvane probe"},
        {legacy, "Quorvane legacy name"},
        {ide, "工程1 - Microsoft Visual Basic [设计]"},
        {longTitle, std::string(255, 'x')},
        {cutPair, std::string(254, 'y')},  // half a surrogate pair is not kept
    };
    std::sort(expected.begin(), expected.end());
    // A window manager adds its clients in its own time.
    waitUntil([&] { return listedNow() == expected; });
    EXPECT_EQ(listedNow(), expected);
    qv::installWindowList(nullptr);
    EXPECT_EQ(ours(qv::windowList().topWindows()), expected);
}

TEST_F(X11WindowListTest, EachCallListsTheCurrentWindows) {
    const xcb_window_t first = titled(u"Quorvane probe one"_s);
    const xcb_window_t second = titled(u"Quorvane probe two"_s);
    xcb_map_window(connection_, first);
    xcb_map_window(connection_, second);
    sync();
    const Listed both{{first, "Quorvane probe one"}, {second, "Quorvane probe two"}};
    ASSERT_TRUE(waitUntil([&] { return listedNow() == both; }));

    setNetName(first, u"Quorvane probe renamed"_s);
    xcb_destroy_window(connection_, second);
    created_.erase(std::find(created_.begin(), created_.end(), second));
    sync();
    EXPECT_EQ(listedNow(), (Listed{{first, "Quorvane probe renamed"}}));

    const xcb_window_t third = titled(u"Quorvane probe three"_s);
    xcb_map_window(connection_, third);
    sync();
    const Listed now{{first, "Quorvane probe renamed"}, {third, "Quorvane probe three"}};
    waitUntil([&] { return listedNow() == now; });
    EXPECT_EQ(listedNow(), now);
}

// Minimised, a window is still open, as it would be for the application itself.
TEST_F(X11WindowListTest, MinimisedWindowStaysListedUntilWithdrawn) {
    if (!windowManagerRunning()) GTEST_SKIP() << "needs a window manager";
    const xcb_window_t window = titled(u"Quorvane probe minimised"_s);
    xcb_map_window(connection_, window);
    sync();
    const Listed shown{{window, "Quorvane probe minimised"}};
    ASSERT_TRUE(waitUntil([&] { return listedNow() == shown; }));

    xcb_client_message_event_t iconify{};
    iconify.response_type = XCB_CLIENT_MESSAGE;
    iconify.format = 32;
    iconify.window = window;
    iconify.type = atom("WM_CHANGE_STATE");
    iconify.data.data32[0] = XCB_ICCCM_WM_STATE_ICONIC;
    sendToRoot(&iconify);
    sync();
    ASSERT_TRUE(waitUntil(
        [&] { return wmState(window) == XCB_ICCCM_WM_STATE_ICONIC && !viewable(window); }));
    EXPECT_EQ(listedNow(), shown);

    // Withdrawing a minimised window takes the synthetic unmap the window manager listens for.
    xcb_unmap_window(connection_, window);
    xcb_unmap_notify_event_t unmap{};
    unmap.response_type = XCB_UNMAP_NOTIFY;
    unmap.event = screen_->root;
    unmap.window = window;
    sendToRoot(&unmap);
    sync();
    EXPECT_TRUE(waitUntil([&] { return listedNow().empty(); }));
}

}  // namespace
