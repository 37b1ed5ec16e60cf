// The interactive backend: the application's top-level window shown in a
// real desktop window through SDL2, real mouse and keyboard input fed in
// through the standard input calls, and the monotonic clock. Built only when
// SDL2 is found.
//
// The desktop window shows one platform window, the anchor: the first
// visible, unowned top-level window, frame and caption included, at its own
// size. The desktop's window manager decorates the desktop window; the
// platform window sits at (0, 0) inside it. What lies outside the anchor on
// the platform's screen (a pop-up reaching past it) is not shown.
#include "vorplatform.h"

#ifdef VOR_HAVE_SDL2

#include <SDL.h>

#include <memory>
#include <string>

#include "display/display_backend.h"

namespace vor::display {
namespace {

// The virtual-key code of an SDL key, 0 for keys the platform has none for.
BYTE VirtualKey(SDL_Keycode k, bool numLock) {
    if (k >= 'a' && k <= 'z') return (BYTE)('A' + (k - 'a'));
    if (k >= '0' && k <= '9') return (BYTE)k;
    if (k >= SDLK_F1 && k <= SDLK_F12) return (BYTE)(VK_F1 + (k - SDLK_F1));
    if (k >= SDLK_KP_1 && k <= SDLK_KP_9) {
        if (numLock) return (BYTE)(VK_NUMPAD1 + (k - SDLK_KP_1));
        static const BYTE nav[] = {VK_END, VK_DOWN, VK_NEXT, VK_LEFT, VK_CLEAR, VK_RIGHT, VK_HOME, VK_UP, VK_PRIOR};
        return nav[k - SDLK_KP_1];
    }
    switch (k) {
        case SDLK_KP_0: return numLock ? VK_NUMPAD0 : VK_INSERT;
        case SDLK_KP_PERIOD: return numLock ? VK_DECIMAL : VK_DELETE;
        case SDLK_KP_DIVIDE: return VK_DIVIDE;
        case SDLK_KP_MULTIPLY: return VK_MULTIPLY;
        case SDLK_KP_MINUS: return VK_SUBTRACT;
        case SDLK_KP_PLUS: return VK_ADD;
        case SDLK_RETURN: case SDLK_KP_ENTER: return VK_RETURN;
        case SDLK_ESCAPE: return VK_ESCAPE;
        case SDLK_BACKSPACE: return VK_BACK;
        case SDLK_TAB: return VK_TAB;
        case SDLK_SPACE: return VK_SPACE;
        case SDLK_DELETE: return VK_DELETE;
        case SDLK_INSERT: return VK_INSERT;
        case SDLK_HOME: return VK_HOME;
        case SDLK_END: return VK_END;
        case SDLK_PAGEUP: return VK_PRIOR;
        case SDLK_PAGEDOWN: return VK_NEXT;
        case SDLK_LEFT: return VK_LEFT;
        case SDLK_RIGHT: return VK_RIGHT;
        case SDLK_UP: return VK_UP;
        case SDLK_DOWN: return VK_DOWN;
        case SDLK_LSHIFT: case SDLK_RSHIFT: return VK_SHIFT;
        case SDLK_LCTRL: case SDLK_RCTRL: return VK_CONTROL;
        case SDLK_LALT: case SDLK_RALT: return VK_MENU;
        case SDLK_CAPSLOCK: return VK_CAPITAL;
        case SDLK_NUMLOCKCLEAR: return VK_NUMLOCK;
        case SDLK_SCROLLLOCK: return VK_SCROLL;
        case SDLK_PAUSE: return VK_PAUSE;
        case SDLK_PRINTSCREEN: return VK_SNAPSHOT;
        case SDLK_APPLICATION: return VK_APPS;
        case SDLK_LGUI: return VK_LWIN;
        case SDLK_SEMICOLON: return VK_OEM_1;
        case SDLK_EQUALS: return VK_OEM_PLUS;
        case SDLK_COMMA: return VK_OEM_COMMA;
        case SDLK_MINUS: return VK_OEM_MINUS;
        case SDLK_PERIOD: return VK_OEM_PERIOD;
        case SDLK_SLASH: return VK_OEM_2;
        case SDLK_BACKQUOTE: return VK_OEM_3;
        case SDLK_LEFTBRACKET: return VK_OEM_4;
        case SDLK_BACKSLASH: return VK_OEM_5;
        case SDLK_RIGHTBRACKET: return VK_OEM_6;
        case SDLK_QUOTE: return VK_OEM_7;
        default: return 0;
    }
}

// Keys whose characters the desktop never sends as text: their WM_CHAR
// comes from TranslateMessage as usual.
bool CharFromKey(BYTE vk) {
    return vk == VK_RETURN || vk == VK_TAB || vk == VK_BACK || vk == VK_ESCAPE;
}

// Appends the UTF-16 units of the UTF-8 text `s`; an invalid sequence is
// skipped a byte at a time.
void Utf8ToUtf16(const char* s, std::u16string& out) {
    const unsigned char* p = (const unsigned char*)s;
    while (*p) {
        unsigned c = *p;
        int n = c < 0x80 ? 0 : (c >> 5) == 6 ? 1 : (c >> 4) == 14 ? 2 : (c >> 3) == 30 ? 3 : -1;
        if (n < 0) {
            ++p;
            continue;
        }
        char32_t cp = n == 0 ? c : n == 1 ? (c & 0x1F) : n == 2 ? (c & 0x0F) : (c & 0x07);
        bool ok = true;
        for (int i = 1; i <= n; ++i) {
            if ((p[i] & 0xC0) != 0x80) {
                ok = false;
                break;
            }
            cp = (cp << 6) | (p[i] & 0x3F);
        }
        if (!ok) {
            ++p;
            continue;
        }
        p += n + 1;
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out.push_back((char16_t)(0xD800 + (cp >> 10)));
            out.push_back((char16_t)(0xDC00 + (cp & 0x3FF)));
        } else {
            out.push_back((char16_t)cp);
        }
    }
}

class SdlBackend : public Backend {
public:
    ~SdlBackend() override {
        if (m_texture) SDL_DestroyTexture(m_texture);
        if (m_renderer) SDL_DestroyRenderer(m_renderer);
        if (m_window) SDL_DestroyWindow(m_window);
        SDL_StopTextInput();
        SDL_Quit();
    }

    bool Open(const char* title, int screenWidth, int screenHeight) {
#ifdef SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE
        // Closing the window is the application's business (SC_CLOSE).
        SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
#endif
        if (SDL_Init(SDL_INIT_VIDEO) != 0) return false;
        // Without a desktop SDL falls back to drivers that show nothing: that
        // is no display, unless someone asked for such a driver by name.
        const char* driver = SDL_GetCurrentVideoDriver();
        const char* asked = SDL_getenv("SDL_VIDEODRIVER");
        if (!driver || ((!SDL_strcmp(driver, "offscreen") || !SDL_strcmp(driver, "dummy")) &&
                        !(asked && !SDL_strcmp(asked, driver))))
            return false;
        m_screenWidth = screenWidth;
        m_screenHeight = screenHeight;
        m_title = title ? title : "VORLib10";
        SDL_StartTextInput();
        m_start = SDL_GetTicks();
        return true;
    }

    const char* Name() const override { return "sdl2"; }
    bool HasRealClock() const override { return true; }
    DWORD Now() override { return (DWORD)(SDL_GetTicks() - m_start); }

    void PollEvents() override {
        SDL_Event e;
        while (SDL_PollEvent(&e)) Handle(e);
    }

    bool WaitEvents(DWORD timeoutMs) override {
        SDL_Event e;
        if (!SDL_WaitEventTimeout(&e, (int)timeoutMs)) return false;
        Handle(e);
        PollEvents();
        return true;
    }

    // A person sees the anchor only: what lies outside it is not shown.
    bool WorkArea(RECT* rc) override {
        HWND anchor = Anchor();
        if (!anchor || !GetWindowRect(anchor, rc)) return false;
        if (rc->left < 0) rc->left = 0;
        if (rc->top < 0) rc->top = 0;
        if (rc->right > m_screenWidth) rc->right = m_screenWidth;
        if (rc->bottom > m_screenHeight) rc->bottom = m_screenHeight;
        return rc->left < rc->right && rc->top < rc->bottom;
    }

    void Present(const uint32_t* pixels, int width, int height, const RECT& dirty) override {
        HWND anchor = Anchor();
        if (!anchor) return;
        RECT rc;
        GetWindowRect(anchor, &rc);
        if (rc.left < 0) rc.left = 0;
        if (rc.top < 0) rc.top = 0;
        if (rc.right > width) rc.right = width;
        if (rc.bottom > height) rc.bottom = height;
        int w = rc.right - rc.left, h = rc.bottom - rc.top;
        if (w <= 0 || h <= 0) return;
        // The desktop window appears with the application's window, at its size.
        if (!m_window && !CreateWindowAt(w, h)) return;
        bool whole = false;
        if (!m_texture || w != m_textureWidth || h != m_textureHeight) {
            if (m_texture) SDL_DestroyTexture(m_texture);
            m_texture = SDL_CreateTexture(m_renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING, w, h);
            if (!m_texture) return;
            m_textureWidth = w;
            m_textureHeight = h;
            whole = true;
            // The application sized its window: the desktop window follows.
            int cw = 0, ch = 0;
            SDL_GetWindowSize(m_window, &cw, &ch);
            if (cw != w || ch != h) SDL_SetWindowSize(m_window, w, h);
            SDL_SetWindowMaximumSize(m_window, m_screenWidth - rc.left, m_screenHeight - rc.top);
        }
        if (rc.left != m_origin.x || rc.top != m_origin.y) whole = true;
        m_origin = POINT{rc.left, rc.top};
        // Only the part drawn since the last frame goes to the texture.
        RECT part = whole ? rc : dirty;
        if (part.left < rc.left) part.left = rc.left;
        if (part.top < rc.top) part.top = rc.top;
        if (part.right > rc.right) part.right = rc.right;
        if (part.bottom > rc.bottom) part.bottom = rc.bottom;
        if (part.left < part.right && part.top < part.bottom) {
            // The screen's pixels are 0x00RRGGBB, which ARGB8888 shows as they are.
            SDL_Rect to = {part.left - rc.left, part.top - rc.top, part.right - part.left, part.bottom - part.top};
            SDL_UpdateTexture(m_texture, &to, pixels + (size_t)part.top * width + part.left, width * 4);
        }
        FollowTitle(anchor);
        Show();
    }

private:
    bool CreateWindowAt(int w, int h) {
        m_window = SDL_CreateWindow(m_title.c_str(), SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED, w, h,
                                    SDL_WINDOW_RESIZABLE);
        if (!m_window) return false;
        m_renderer = SDL_CreateRenderer(m_window, -1, SDL_RENDERER_SOFTWARE);
        if (!m_renderer) {
            SDL_DestroyWindow(m_window);
            m_window = nullptr;
            return false;
        }
        SDL_SetWindowMinimumSize(m_window, 160, 120);
        SDL_RaiseWindow(m_window);
        return true;
    }

    // The platform window shown: kept while it lives and shows, else the
    // first visible, unowned top-level window that is no tool window.
    HWND Anchor() {
        if (m_anchor && IsWindow(m_anchor) && IsWindowVisible(m_anchor)) return m_anchor;
        m_anchor = nullptr;
        for (HWND h = GetWindow(GetDesktopWindow(), GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT)) {
            if (!IsWindowVisible(h) || GetWindow(h, GW_OWNER)) continue;
            if (GetWindowLongA(h, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) continue;
            m_anchor = h;
            break;
        }
        return m_anchor;
    }

    void FollowTitle(HWND anchor) {
        char text[256] = {0};
        GetWindowTextA(anchor, text, sizeof text);
        std::string title = *text ? text : m_title;
        if (title == m_shownTitle) return;
        m_shownTitle = title;
        // The desktop takes UTF-8; the window text is in the ANSI code page.
        int n = MultiByteToWideChar(CP_ACP, 0, title.c_str(), -1, nullptr, 0);
        std::wstring wide(n > 0 ? n : 1, L'\0');
        if (n > 0) MultiByteToWideChar(CP_ACP, 0, title.c_str(), -1, &wide[0], n);
        int m = WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
        std::string utf8(m > 0 ? m : 1, '\0');
        if (m > 0) WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, &utf8[0], m, nullptr, nullptr);
        SDL_SetWindowTitle(m_window, utf8.c_str());
    }

    void Show() {
        if (!m_renderer) return;
        SDL_RenderClear(m_renderer);
        if (m_texture) SDL_RenderCopy(m_renderer, m_texture, nullptr, nullptr);
        SDL_RenderPresent(m_renderer);
    }

    void MoveCursor(int x, int y) { SetCursorPos(x + m_origin.x, y + m_origin.y); }

    void Close() {
        HWND anchor = Anchor();
        if (anchor)
            PostMessageA(anchor, WM_SYSCOMMAND, SC_CLOSE, 0);
        else
            PostQuitMessage(0);
    }

    void Key(const SDL_KeyboardEvent& k) {
        bool up = k.type == SDL_KEYUP;
        BYTE vk = VirtualKey(k.keysym.sym, (k.keysym.mod & KMOD_NUM) != 0);
        if (!vk) return;
        // Without Ctrl or Alt the desktop sends the key's character as text
        // (layouts and input methods are its business), so the key makes none.
        bool text = !up && !(k.keysym.mod & (KMOD_CTRL | KMOD_LALT)) && !CharFromKey(vk);
        DWORD flags = up ? KEYEVENTF_KEYUP : 0;
        if (k.keysym.sym == SDLK_RCTRL || k.keysym.sym == SDLK_RALT || k.keysym.sym == SDLK_KP_ENTER ||
            k.keysym.sym == SDLK_KP_DIVIDE)
            flags |= KEYEVENTF_EXTENDEDKEY;
        keybd_event(vk, 0, flags, text ? VOR_INPUT_TEXT_APART : 0);
    }

    void Text(const char* utf8) {
        std::u16string units;
        Utf8ToUtf16(utf8, units);
        for (char16_t u : units) {
            INPUT in[2] = {};
            for (int i = 0; i < 2; ++i) {
                in[i].type = INPUT_KEYBOARD;
                in[i].ki.wScan = (WORD)u;
                in[i].ki.dwFlags = KEYEVENTF_UNICODE | (i ? KEYEVENTF_KEYUP : 0);
            }
            SendInput(2, in, sizeof(INPUT));
        }
    }

    // Keys held when the desktop window loses the keyboard would stay down.
    void ReleaseModifiers() {
        for (BYTE vk : {VK_SHIFT, VK_CONTROL, VK_MENU})
            if (GetAsyncKeyState(vk) < 0) keybd_event(vk, 0, KEYEVENTF_KEYUP, 0);
    }

    void Handle(const SDL_Event& e) {
        switch (e.type) {
            case SDL_QUIT:
                Close();
                break;
            case SDL_MOUSEMOTION:
                MoveCursor(e.motion.x, e.motion.y);
                break;
            case SDL_MOUSEBUTTONDOWN:
            case SDL_MOUSEBUTTONUP: {
                bool down = e.type == SDL_MOUSEBUTTONDOWN;
                MoveCursor(e.button.x, e.button.y);
                DWORD flag = 0;
                if (e.button.button == SDL_BUTTON_LEFT) flag = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
                if (e.button.button == SDL_BUTTON_RIGHT) flag = down ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_RIGHTUP;
                if (e.button.button == SDL_BUTTON_MIDDLE) flag = down ? MOUSEEVENTF_MIDDLEDOWN : MOUSEEVENTF_MIDDLEUP;
                if (flag) mouse_event(flag, 0, 0, 0, 0);
                break;
            }
            case SDL_MOUSEWHEEL: {
                const bool flipped = e.wheel.direction == SDL_MOUSEWHEEL_FLIPPED;
                int y = flipped ? -e.wheel.y : e.wheel.y;
                int x = flipped ? -e.wheel.x : e.wheel.x;  // positive: to the right
                if (y) mouse_event(MOUSEEVENTF_WHEEL, 0, 0, (DWORD)(y * WHEEL_DELTA), 0);
                if (x) mouse_event(MOUSEEVENTF_HWHEEL, 0, 0, (DWORD)(x * WHEEL_DELTA), 0);
                break;
            }
            case SDL_KEYDOWN:
            case SDL_KEYUP:
                Key(e.key);
                break;
            case SDL_TEXTINPUT:
                Text(e.text.text);
                break;
            case SDL_WINDOWEVENT:
                switch (e.window.event) {
                    case SDL_WINDOWEVENT_EXPOSED:
                        Show();
                        break;
                    case SDL_WINDOWEVENT_SIZE_CHANGED:
                        Show();
                        // The person resized the desktop window: so is the
                        // application's (WM_SIZE, and its layout follows).
                        if (HWND anchor = Anchor()) {
                            RECT rc;
                            GetWindowRect(anchor, &rc);
                            if (rc.right - rc.left != e.window.data1 || rc.bottom - rc.top != e.window.data2)
                                SetWindowPos(anchor, nullptr, 0, 0, e.window.data1, e.window.data2,
                                             SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
                        }
                        break;
                    case SDL_WINDOWEVENT_CLOSE:
                        Close();
                        break;
                    case SDL_WINDOWEVENT_FOCUS_LOST:
                        ReleaseModifiers();
                        break;
                    default:
                        break;
                }
                break;
            default:
                break;
        }
    }

    SDL_Window* m_window = nullptr;
    SDL_Renderer* m_renderer = nullptr;
    SDL_Texture* m_texture = nullptr;
    int m_textureWidth = 0, m_textureHeight = 0;
    int m_screenWidth = 0, m_screenHeight = 0;
    HWND m_anchor = nullptr;
    POINT m_origin = {0, 0};
    std::string m_title, m_shownTitle;
    Uint32 m_start = 0;
};

}  // namespace
}  // namespace vor::display

VOR_EXTERN_C VORAPI BOOL VorOpenDisplay(const char* title)
{
    int cx = GetSystemMetrics(SM_CXSCREEN), cy = GetSystemMetrics(SM_CYSCREEN);
    auto backend = std::make_unique<vor::display::SdlBackend>();
    if (!backend->Open(title, cx, cy)) return FALSE;
    vor::display::InstallBackend(std::move(backend));
    return TRUE;
}

#else

VOR_EXTERN_C VORAPI BOOL VorOpenDisplay(const char* title)
{
    (void)title;
    return FALSE;  // built without SDL2: no interactive display
}

#endif

VOR_EXTERN_C VORAPI BOOL VorDisplayAvailable(void)
{
#ifdef VOR_HAVE_SDL2
    return TRUE;
#else
    return FALSE;
#endif
}
