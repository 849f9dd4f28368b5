// The current-deck boxes have no text; screen readers get "Current deck 1".."Current
// deck 5" from the accessibility property service, where the system implements it.
#include <gtest/gtest.h>

#include <string>

#include "ui/control_ids.h"
#include "tests/win32/win32_test_support.h"

#include <initguid.h>
#include <oleacc.h>

TEST(DeckBoxes, AreNamedForScreenReadersWhereTheSystemTakesNames) {
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    {
        RealMainDialog dialog;
        IAccPropServices* service = nullptr;
        ASSERT_TRUE(
            SUCCEEDED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                       IID_IAccPropServices, reinterpret_cast<void**>(&service))));
        // Clearing a name never given succeeds where the service works.
        MSAAPROPID name = PROPID_ACC_NAME;
        const HRESULT works = service->ClearHwndProps(
            dialog.handle(), static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, &name, 1);
        service->Release();
        RecordProperty("propertyService", static_cast<int>(works));
        if (works == E_NOTIMPL)
            GTEST_SKIP() << "the accessibility property service answers "
                            "E_NOTIMPL here: the names are unchecked";
        for (int deck = 1; deck <= 5; ++deck) {
            IAccessible* box = nullptr;
            ASSERT_TRUE(SUCCEEDED(AccessibleObjectFromWindow(
                dialog.control(IDC_CURRENT_DECK_FIRST + deck - 1), static_cast<DWORD>(OBJID_CLIENT),
                IID_IAccessible, reinterpret_cast<void**>(&box))));
            VARIANT self{};
            self.vt = VT_I4;
            self.lVal = CHILDID_SELF;
            BSTR read = nullptr;
            EXPECT_EQ(box->get_accName(self, &read), S_OK);
            EXPECT_EQ(std::wstring(read ? read : L""), L"Current deck " + std::to_wstring(deck));
            SysFreeString(read);
            box->Release();
        }
    }
    CoUninitialize();
}
