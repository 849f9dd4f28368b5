#pragma once
// Wine 8's 64-bit loader cannot hand a control's wrapped accessible object to a
// client: AccessibleObjectFromWindow answers E_NOINTERFACE, in the same process or
// another, where its 32-bit loader answers it. The accessibility walks run on the
// 32-bit build, the product; on the 64-bit build under Wine they say why they skip.
#include <windows.h>

#include <oleacc.h>

inline bool accessibleObjectsUnreachableUnderWine64(HWND control) {
    if (sizeof(void*) != 8 ||
        GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") == nullptr)
        return false;
    IAccessible* object = nullptr;
    const HRESULT read =
        AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                   reinterpret_cast<void**>(&object));
    if (object) object->Release();
    return read == E_NOINTERFACE;
}

constexpr const char* Wine64SkipReason =
    "Wine's 64-bit loader hands over no wrapped accessible object (E_NOINTERFACE); the "
    "32-bit build runs this walk";
