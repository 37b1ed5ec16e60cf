// The interactive backend: the screen surface shown in a real desktop window
// through SDL2, real mouse and keyboard input fed in through the standard
// input calls, and the monotonic clock. Built only when SDL2 is found.
#include "vorplatform.h"

#ifdef VOR_HAVE_SDL2

#include <SDL.h>

#include <memory>

#include "display/display_backend.h"

namespace vor::display {
namespace {

// The virtual-key code of an SDL key, 0 for keys the platform has none for.
BYTE VirtualKey(SDL_Keycode k) {
    if (k >= 'a' && k <= 'z') return (BYTE)('A' + (k - 'a'));
    if (k >= '0' && k <= '9') return (BYTE)k;
    switch (k) {
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
        case SDLK_F1: return VK_F1;
        case SDLK_F2: return VK_F2;
        case SDLK_F3: return VK_F3;
        case SDLK_F4: return VK_F4;
        case SDLK_F5: return VK_F5;
        case SDLK_MINUS: case SDLK_KP_MINUS: return VK_OEM_MINUS;
        case SDLK_PLUS: case SDLK_KP_PLUS: return VK_OEM_PLUS;
        case SDLK_EQUALS: return VK_OEM_PLUS;
        case SDLK_PERIOD: case SDLK_KP_PERIOD: return VK_OEM_PERIOD;
        case SDLK_COMMA: return VK_OEM_COMMA;
        default: return 0;
    }
}

class SdlBackend : public Backend {
public:
    ~SdlBackend() override {
        if (m_texture) SDL_DestroyTexture(m_texture);
        if (m_renderer) SDL_DestroyRenderer(m_renderer);
        if (m_window) SDL_DestroyWindow(m_window);
        SDL_Quit();
    }

    bool Open(const char* title, int width, int height) {
        if (SDL_Init(SDL_INIT_VIDEO) != 0) return false;
        m_window = SDL_CreateWindow(title ? title : "VORLib10", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width,
                                    height, 0);
        if (!m_window) return false;
        m_renderer = SDL_CreateRenderer(m_window, -1, SDL_RENDERER_SOFTWARE);
        if (!m_renderer) return false;
        m_texture = SDL_CreateTexture(m_renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING, width, height);
        if (!m_texture) return false;
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

    void Present(const uint32_t* pixels, int width, int height) override {
        // The screen's pixels are 0x00RRGGBB, which ARGB8888 shows as they are.
        SDL_UpdateTexture(m_texture, nullptr, pixels, width * 4);
        SDL_RenderClear(m_renderer);
        SDL_RenderCopy(m_renderer, m_texture, nullptr, nullptr);
        SDL_RenderPresent(m_renderer);
    }

private:
    void Handle(const SDL_Event& e) {
        switch (e.type) {
            case SDL_QUIT:
                PostQuitMessage(0);
                break;
            case SDL_MOUSEMOTION:
                SetCursorPos(e.motion.x, e.motion.y);
                break;
            case SDL_MOUSEBUTTONDOWN:
            case SDL_MOUSEBUTTONUP: {
                bool down = e.type == SDL_MOUSEBUTTONDOWN;
                SetCursorPos(e.button.x, e.button.y);
                DWORD flag = 0;
                if (e.button.button == SDL_BUTTON_LEFT) flag = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
                if (e.button.button == SDL_BUTTON_RIGHT) flag = down ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_RIGHTUP;
                if (e.button.button == SDL_BUTTON_MIDDLE) flag = down ? MOUSEEVENTF_MIDDLEDOWN : MOUSEEVENTF_MIDDLEUP;
                if (flag) mouse_event(flag, 0, 0, 0, 0);
                break;
            }
            case SDL_MOUSEWHEEL:
                mouse_event(MOUSEEVENTF_WHEEL, 0, 0, (DWORD)(e.wheel.y * WHEEL_DELTA), 0);
                break;
            case SDL_KEYDOWN:
            case SDL_KEYUP: {
                BYTE vk = VirtualKey(e.key.keysym.sym);
                if (vk) keybd_event(vk, 0, e.type == SDL_KEYUP ? KEYEVENTF_KEYUP : 0, 0);
                break;
            }
            case SDL_WINDOWEVENT:
                if (e.window.event == SDL_WINDOWEVENT_EXPOSED) {
                    m_exposed = true;
                }
                break;
            default:
                break;
        }
        if (m_exposed) {
            m_exposed = false;
            ForcePresent();
        }
    }

    void ForcePresent() {
        SDL_RenderClear(m_renderer);
        SDL_RenderCopy(m_renderer, m_texture, nullptr, nullptr);
        SDL_RenderPresent(m_renderer);
    }

    SDL_Window* m_window = nullptr;
    SDL_Renderer* m_renderer = nullptr;
    SDL_Texture* m_texture = nullptr;
    Uint32 m_start = 0;
    bool m_exposed = false;
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
