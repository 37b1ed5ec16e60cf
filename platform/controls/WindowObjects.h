// The object behind each window of a control class. It is made at
// WM_NCCREATE and deleted at WM_NCDESTROY, or, when that comes while one of
// the object's own messages is still being handled (a parent that destroys
// the control from a notification), when that handling returns. Internal to
// the platform.
//
// T needs a constructor from its HWND, LRESULT Handle(UINT, WPARAM, LPARAM),
// void OnNcDestroy() and the members int m_busy and bool m_dead, and names
// WindowObjects<T> a friend.
#pragma once

#include <windows.h>

#include <unordered_map>

#include "user/user_internal.h"

namespace vor::controls {

template <class T>
class WindowObjects {
public:
    // Registers the window class (double clicks, the arrow cursor) with
    // Dispatch as its procedure; the objects go at every platform reset.
    static void Register(LPCSTR lpszClassName)
    {
        static bool hooked = false;
        if (!hooked) {
            hooked = true;
            vor::user::AddResetHook(&Reset);
        }
        WNDCLASSA wc{};
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = &Dispatch;
        wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        wc.lpszClassName = lpszClassName;
        RegisterClassA(&wc);
    }

    // The window procedure of the class.
    static LRESULT CALLBACK Dispatch(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
    {
        auto& map = Map();
        if (msg == WM_NCCREATE) {
            auto it = map.find(hwnd);
            if (it != map.end()) Release(it->second);
            map[hwnd] = new T(hwnd);
            return DefWindowProcA(hwnd, msg, wParam, lParam);
        }
        auto it = map.find(hwnd);
        if (it == map.end()) return DefWindowProcA(hwnd, msg, wParam, lParam);
        T* obj = it->second;
        if (msg == WM_NCDESTROY) {
            map.erase(it);
            ++obj->m_busy;
            obj->OnNcDestroy();
            --obj->m_busy;
            Release(obj);
            return DefWindowProcA(hwnd, msg, wParam, lParam);
        }
        ++obj->m_busy;
        LRESULT r = obj->Handle(msg, wParam, lParam);
        --obj->m_busy;
        if (obj->m_dead && obj->m_busy == 0) delete obj;
        return r;
    }

    // The object of a window of the class, nullptr when it has none (any
    // more).
    static T* Find(HWND hwnd)
    {
        auto& map = Map();
        auto it = map.find(hwnd);
        return it == map.end() || it->second->m_dead ? nullptr : it->second;
    }

    // At platform reset: every object goes (once no message of it runs).
    static void Reset()
    {
        auto& map = Map();
        for (auto& kv : map) Release(kv.second);
        map.clear();
    }

private:
    static std::unordered_map<HWND, T*>& Map()
    {
        // Never destroyed, so windows still open at exit are not reported
        // leaked.
        static auto* map = new std::unordered_map<HWND, T*>;
        return *map;
    }
    static void Release(T* obj)
    {
        obj->m_dead = true;
        if (obj->m_busy == 0) delete obj;
    }
};

}  // namespace vor::controls
