// The late-bound driver against our own control: members read from its type library (a class
// naming its default dispatch interface), arguments of each variant type converted to the declared
// parameter types, results converted to the declared type, by-reference arguments, failures.
#include <gtest/gtest.h>

#include <string>

#include "dispatch_driver.h"
#include "probe_registration.h"

namespace {

class DispatchDriverTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
        ASSERT_TRUE(registration_.Ok());
        CLSID id;
        ASSERT_EQ(CLSIDFromProgID(L"QbkTest.Probe.1", &id), S_OK);
        ASSERT_EQ(
            CoCreateInstance(id, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch, reinterpret_cast<void**>(&dispatch_)),
            S_OK);
        ASSERT_TRUE(driver_.Attach(dispatch_));
    }
    void TearDown() override
    {
        driver_.Release();
        if (dispatch_) dispatch_->Release();
        CoUninitialize();
    }
    static std::string Text(const VARIANT* value)
    {
        std::string text;
        if (value && value->vt == VT_BSTR)
            for (const WCHAR* c = value->bstrVal; c && *c; ++c) text += char(*c);
        return text;
    }

    qbktest::ProbeRegistration registration_{{qbktest::kProbeProgId}};
    IDispatch* dispatch_ = nullptr;
    CDispatchDriver driver_;
};

TEST_F(DispatchDriverTest, MembersByNameAndKind)
{
    // A property with a getter and a setter gives two members of one name; a variable gives two too.
    const int getStatus = driver_.FindMember("StatusText", CDispatchDriver::PropertyGet);
    const int putStatus = driver_.FindMember("StatusText", CDispatchDriver::PropertyPut);
    EXPECT_GE(getStatus, 0);
    EXPECT_GE(putStatus, 0);
    EXPECT_NE(getStatus, putStatus);
    EXPECT_GE(driver_.FindMember("Loop", CDispatchDriver::PropertyGet), 0);
    EXPECT_GE(driver_.FindMember("Loop", CDispatchDriver::PropertyPut), 0);
    EXPECT_EQ(driver_.FindMember("Loop", CDispatchDriver::Method), -1);
    EXPECT_EQ(driver_.FindMember("statustext", CDispatchDriver::PropertyGet), -1);  // names are exact
    EXPECT_EQ(driver_.CallMethod("Nothing"), nullptr);
    EXPECT_FALSE(driver_.SetProperty("TotalFrames", {3}));  // read-only

    EXPECT_TRUE(driver_.SetProperty("Loop", {5}));
    const VARIANT* loop = driver_.GetProperty("Loop");
    ASSERT_TRUE(loop);
    EXPECT_EQ(loop->vt, VT_BOOL);
    EXPECT_EQ(loop->boolVal, VARIANT_TRUE);
    EXPECT_TRUE(driver_.SetProperty("StatusText", {"ready"}));
    EXPECT_EQ(Text(driver_.GetProperty("StatusText")), "ready");
}

TEST_F(DispatchDriverTest, ArgumentsTakeTheirDeclaredTypes)
{
    const int types = driver_.FindMember("Types", CDispatchDriver::Method);
    ASSERT_GE(types, 0);
    std::string declared;
    for (VARTYPE vt : driver_.GetMember(types).Parameters) declared += std::to_string(vt) + " ";
    VARIANT text;
    VariantInit(&text);
    text.vt = VT_BSTR;
    text.bstrVal = SysAllocString(L"var");
    const VARIANT* described =
        driver_.CallMethod("Types", {300, 70000, 7, 0.5, 2.25, 1.5, 1.5, "abc", 1, text, -1, 65537, 1LL << 40, 42});
    VariantClear(&text);
    ASSERT_TRUE(described) << std::hex << driver_.GetLastResult();
    // Integers cut to their width, reals, a date, currency in ten-thousandths, the text widened, the
    // flag as VARIANT_TRUE, a variant as it was, the other integer kinds in their place, and the
    // argument after them not shifted.
    EXPECT_EQ(Text(described),
              "17:44 2:4464 3:7 4:0.5 5:2.25 7:1.5 6:15000 8:abc 11:-1 8:var 16:-1 18:1 20:1099511627776 3:42")
        << declared;
}

TEST_F(DispatchDriverTest, ResultsConvertedToTheDeclaredType)
{
    // The control answers reals where longs are declared.
    const VARIANT* rounded = driver_.CallMethod("Rounded", {2.75});
    ASSERT_TRUE(rounded);
    EXPECT_EQ(rounded->vt, VT_I4);
    EXPECT_EQ(rounded->lVal, 3);
    ASSERT_TRUE(driver_.CallMethod("GotoFrame", {7}));
    const VARIANT* frame = driver_.CallMethod("CurrentFrame");
    ASSERT_TRUE(frame);
    EXPECT_EQ(frame->vt, VT_I4);
    EXPECT_EQ(frame->lVal, 7);
    const VARIANT* total = driver_.GetProperty("TotalFrames");
    ASSERT_TRUE(total);
    EXPECT_EQ(total->lVal, 24);
}

TEST_F(DispatchDriverTest, ByReferenceExceptionsAndWidening)
{
    VARIANT_BOOL flag = VARIANT_FALSE;
    EXPECT_TRUE(driver_.CallMethod("Flip", {static_cast<void*>(&flag)}));
    EXPECT_EQ(flag, VARIANT_TRUE);
    EXPECT_FALSE(driver_.CallMethod("Flip", {1}));  // no address: not passed by reference

    EXPECT_EQ(driver_.CallMethod("Fail"), nullptr);
    EXPECT_EQ(driver_.GetLastResult(), DISP_E_EXCEPTION);
    ASSERT_TRUE(driver_.GetException());
    EXPECT_EQ(driver_.GetException()->wCode, 1001);

    // Each byte one unit, sign-extended.
    EXPECT_TRUE(driver_.SetProperty("StatusText", {"A\xE9"}));
    const VARIANT* status = driver_.GetProperty("StatusText");
    ASSERT_TRUE(status && status->vt == VT_BSTR);
    EXPECT_EQ(status->bstrVal[0], L'A');
    EXPECT_EQ(WORD(status->bstrVal[1]), 0xFFE9);
}

TEST_F(DispatchDriverTest, CallsByDispatchId)
{
    VARIANT url;
    VariantInit(&url);
    url.vt = VT_BSTR;
    url.bstrVal = SysAllocString(L"page.html");
    VARIANT optional;
    VariantInit(&optional);
    VARIANT reference;
    VariantInit(&reference);
    reference.vt = VT_BYREF | VT_VARIANT;
    reference.pvarVal = &optional;
    EXPECT_EQ(InvokeById(dispatch_, 104, DISPATCH_METHOD, {url, reference, reference, reference, reference}, nullptr),
              S_OK);
    VARIANT name;
    EXPECT_EQ(InvokeById(dispatch_, 210, DISPATCH_PROPERTYGET, {}, &name, VT_BSTR), S_OK);
    EXPECT_EQ(Text(&name), "Title of page.html");
    VariantClear(&name);
    VARIANT busy;
    EXPECT_EQ(InvokeById(dispatch_, 212, DISPATCH_PROPERTYGET, {}, &busy, VT_BOOL), S_OK);
    EXPECT_EQ(busy.vt, VT_BOOL);
    EXPECT_EQ(busy.boolVal, VARIANT_FALSE);
    EXPECT_EQ(InvokeById(dispatch_, 999, DISPATCH_METHOD, {}, nullptr), DISP_E_MEMBERNOTFOUND);
}

TEST(DispatchDriver, NothingAttached)
{
    CDispatchDriver driver;
    EXPECT_FALSE(driver.Attach(nullptr));
    EXPECT_EQ(driver.CallMethod("Play"), nullptr);
    EXPECT_EQ(driver.GetProperty("Loop"), nullptr);
    EXPECT_FALSE(driver.SetProperty("Loop", {1}));
    EXPECT_EQ(driver.FindMember("Play", CDispatchDriver::Method), -1);
}

}  // namespace
