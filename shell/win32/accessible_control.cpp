#include "shell/win32/accessible_control.h"

#include <commctrl.h>
#include <oleacc.h>

#include <new>
#include <string>

#include "catalogue/windows1252.h"

namespace {

bool isSelf(const VARIANT& child) {
    return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

std::wstring wide(const char* windows1252) {
    const std::u16string text = windows1252ToUtf16(windows1252);
    return std::wstring(text.begin(), text.end());
}

HRESULT giveText(const std::wstring& text, BSTR* out) {
    if (!out) return E_POINTER;
    *out = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    return *out ? S_OK : E_OUTOFMEMORY;
}

HRESULT giveNumber(LONG number, VARIANT* out) {
    if (!out) return E_POINTER;
    VariantInit(out);
    out->vt = VT_I4;
    out->lVal = number;
    return S_OK;
}

std::wstring windowText(HWND window) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(
        static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

LONG checkedState(HWND button) {
    switch (SendMessageW(button, BM_GETCHECK, 0, 0)) {
    case BST_CHECKED: return STATE_SYSTEM_CHECKED;
    case BST_INDETERMINATE: return STATE_SYSTEM_MIXED;
    default: return 0;
    }
}

// Answers for the control itself what the standard object gets wrong or leaves out,
// and hands everything else, its parts included, to the standard object. IDispatch's
// own late-bound calls answer E_NOTIMPL: screen readers call IAccessible's methods
// directly. Other interfaces (IOleWindow, IEnumVARIANT) are the standard object's.
class AccessibleControl final : public IAccessible {
  public:
    AccessibleControl(IAccessible* standard, HWND control, const ControlAccessibility& about)
        : standard_(standard), control_(control), about_(about), name_(wide(about.name)) {}
    AccessibleControl(const AccessibleControl&) = delete;
    AccessibleControl& operator=(const AccessibleControl&) = delete;

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (!object) return E_POINTER;
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) ||
            IsEqualIID(iid, IID_IAccessible)) {
            *object = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        return standard_->QueryInterface(iid, object);
    }
    ULONG STDMETHODCALLTYPE AddRef() override {
        return static_cast<ULONG>(InterlockedIncrement(&references_));
    }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG left = InterlockedDecrement(&references_);
        if (left == 0) delete this;
        return static_cast<ULONG>(left);
    }

    // IDispatch
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        if (!count) return E_POINTER;
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                     UINT*) override {
        return E_NOTIMPL;
    }

    // IAccessible: what this control answers itself
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        if (!isSelf(child)) return standard_->get_accName(child, name);
        return giveText(name_, name);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        if (!isSelf(child)) return standard_->get_accRole(child, role);
        return giveNumber(about_.role, role);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        const HRESULT result = standard_->get_accState(child, state);
        if (FAILED(result) || !isSelf(child) || state->vt != VT_I4) return result;
        if (about_.checkable)
            state->lVal = (state->lVal & ~(STATE_SYSTEM_CHECKED | STATE_SYSTEM_MIXED)) |
                          checkedState(control_);
        if (!about_.focusable)
            state->lVal = (state->lVal & ~(STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_FOCUSED)) |
                          (about_.textIsValue ? STATE_SYSTEM_READONLY : 0);
        return result;
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        if (!isSelf(child) || !about_.textIsValue) return standard_->get_accValue(child, value);
        return giveText(windowText(control_), value);
    }

    // IAccessible: the standard object's
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        return standard_->get_accParent(parent);
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
        return standard_->get_accChildCount(count);
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
        return standard_->get_accChild(child, object);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
        return standard_->get_accDescription(child, description);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
        return standard_->get_accHelp(child, help);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override {
        return standard_->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
        return standard_->get_accKeyboardShortcut(child, shortcut);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override {
        return standard_->get_accFocus(child);
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
        return standard_->get_accSelection(children);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        return standard_->get_accDefaultAction(child, action);
    }
    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override {
        return standard_->accSelect(flags, child);
    }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                          VARIANT child) override {
        return standard_->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
        return standard_->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override {
        return standard_->accHitTest(x, y, child);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        return standard_->accDoDefaultAction(child);
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
        return standard_->put_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
        return standard_->put_accValue(child, value);
    }

  private:
    ~AccessibleControl() { standard_->Release(); }

    LONG references_ = 1;
    IAccessible* standard_;
    HWND control_;
    const ControlAccessibility& about_;
    std::wstring name_;
};

} // namespace

LRESULT answerClientObject(HWND control, WPARAM wParam, const ControlAccessibility& accessibility) {
    IAccessible* standard = nullptr;
    if (FAILED(CreateStdAccessibleObject(control, OBJID_CLIENT, IID_IAccessible,
                                         reinterpret_cast<void**>(&standard))))
        return 0;
    auto* object = new (std::nothrow) AccessibleControl(standard, control, accessibility);
    if (!object) {
        standard->Release();
        return 0;
    }
    const LRESULT answer = LresultFromObject(IID_IAccessible, wParam, object);
    object->Release();
    return answer;
}

namespace {

constexpr UINT_PTR AccessibilitySubclass = 1;

// WM_GETOBJECT's object id is a DWORD, whatever the width of LPARAM.
bool asksForClient(LPARAM objectId) {
    return static_cast<LONG>(static_cast<DWORD>(objectId)) == OBJID_CLIENT;
}

LRESULT CALLBACK accessibleControlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR, DWORD_PTR about) {
    if (message == WM_GETOBJECT && asksForClient(lParam)) {
        const LRESULT answer = answerClientObject(
            control, wParam, *reinterpret_cast<const ControlAccessibility*>(about));
        if (answer) return answer;
    } else if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(control, accessibleControlProc, AccessibilitySubclass);
    }
    return DefSubclassProc(control, message, wParam, lParam);
}

} // namespace

void describeToScreenReaders(HWND control, const ControlAccessibility& about) {
    SetWindowSubclass(control, accessibleControlProc, AccessibilitySubclass,
                      reinterpret_cast<DWORD_PTR>(&about));
}
