// What the user reads when the host's automation control fails.
#include <gtest/gtest.h>

#include <windows.h>

#include <oleauto.h>

#include "host/com_errors.h"
#include "host/host_messages.h"

namespace orvalis::host {
namespace {

TEST(ComErrors, EachFailureAShopMeetsHasItsOwnKoreanText) {
    const std::string not_registered =
        "파워밀 자동화 컨트롤 PowerSolutionOLE.PowerMILL3이(가) 이 컴퓨터에 등록되어 있지 "
        "않습니다. 파워밀이 설치되어 있는지 확인하십시오";
    const std::string wrong_bitness =
        sizeof(void*) == 8
            ? "파워밀 자동화 컨트롤이 32비트용이라 64비트 ORVALIS에서 쓸 수 없습니다. ORVALIS "
              "32비트판을 설치해 사용하십시오"
            : "파워밀 자동화 컨트롤이 64비트용이라 32비트 ORVALIS에서 쓸 수 없습니다. ORVALIS "
              "64비트판을 설치해 사용하십시오";
    const std::string not_running =
        "파워밀이 실행 중이 아니거나 응답하지 않습니다. 파워밀을 실행한 뒤 다시 시도하십시오";
    struct Case {
        ComStep step;
        HRESULT result;
        const char* description;
        std::string expected;
    };
    const Case cases[] = {
        {ComStep::kFindControl, CO_E_CLASSSTRING, "", not_registered},
        {ComStep::kFindControl, REGDB_E_CLASSNOTREG, "", not_registered},
        {ComStep::kLoadControl, REGDB_E_CLASSNOTREG, "", not_registered},
        {ComStep::kLoadControl, HRESULT_FROM_WIN32(ERROR_BAD_EXE_FORMAT), "", wrong_bitness},
        {ComStep::kLoadControl, E_OUTOFMEMORY, "",
         "파워밀 자동화 컨트롤 PowerSolutionOLE.PowerMILL3을(를) 불러올 수 없습니다 (0x8007000E)"},
        {ComStep::kLoadControl, CO_E_SERVER_EXEC_FAILURE, "", not_running + " (0x80080005)"},
        {ComStep::kConnect, HRESULT_FROM_WIN32(RPC_S_SERVER_UNAVAILABLE), "",
         not_running + " (0x800706BA)"},
        {ComStep::kConnect, E_FAIL, "PowerMILL is not running",
         "파워밀에 연결할 수 없습니다: PowerMILL is not running. 파워밀이 실행 중인지 "
         "확인하십시오"},
        {ComStep::kConnect, E_FAIL, "",
         "파워밀에 연결할 수 없습니다: 0x80004005. 파워밀이 실행 중인지 확인하십시오"},
        {ComStep::kCall, RPC_E_DISCONNECTED, "", not_running + " (0x80010108)"},
        {ComStep::kCall, E_FAIL, "Toolpath '1-ROUGH' does not exist",
         "Toolpath '1-ROUGH' does not exist"},
        {ComStep::kCall, DISP_E_UNKNOWNNAME, "",
         "파워밀 자동화 컨트롤이 오류를 돌려주었습니다 (0x80020006)"},
        // Only finding the control can meet an unregistered class.
        {ComStep::kCall, REGDB_E_CLASSNOTREG, "",
         "파워밀 자동화 컨트롤이 오류를 돌려주었습니다 (0x80040154)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(ComFailureText(c.step, c.result, c.description, "PowerSolutionOLE.PowerMILL3"),
                  c.expected);
    }
}

HRESULT WINAPI FillLater(EXCEPINFO* exception) {
    exception->bstrDescription = SysAllocString(L"공구 'D10'이 없습니다");
    exception->scode = E_FAIL;
    return S_OK;
}

TEST(ComErrors, ARaisedExceptionGivesTheControlsOwnDescriptionAndIsFreed) {
    EXCEPINFO raised{};
    raised.bstrSource = SysAllocString(L"PowerSolutionOLE.PowerMILL3");
    raised.bstrDescription = SysAllocString(L"Toolpath 'X' does not exist");
    raised.scode = E_FAIL;
    HostError error = ComFailure("RunCommand ACTIVATE Toolpath 'X'", ComStep::kCall,
                                 DISP_E_EXCEPTION, &raised, "PowerSolutionOLE.PowerMILL3");
    EXPECT_EQ(error.command(), "RunCommand ACTIVATE Toolpath 'X'");
    EXPECT_STREQ(error.what(), "Toolpath 'X' does not exist");
    EXPECT_EQ(raised.bstrDescription, nullptr);
    EXPECT_EQ(raised.bstrSource, nullptr);
    EXPECT_EQ(HostProblem(error),
              "파워밀 명령이 실패했습니다 (RunCommand ACTIVATE Toolpath 'X'): Toolpath 'X' does "
              "not exist");

    // A control that fills the exception in only when asked.
    EXCEPINFO deferred{};
    deferred.pfnDeferredFillIn = FillLater;
    EXPECT_STREQ(ComFailure("RunCommand X", ComStep::kCall, DISP_E_EXCEPTION, &deferred, "").what(),
                 "공구 'D10'이 없습니다");

    // The exception's own code decides: a host that went away mid-call.
    EXCEPINFO gone{};
    gone.scode = RPC_E_DISCONNECTED;
    HostError lost = ComFailure("Version", ComStep::kCall, DISP_E_EXCEPTION, &gone, "");
    EXPECT_EQ(NotConnectedProblem(lost),
              "파워밀에 연결되지 않았습니다 (파워밀이 실행 중이 아니거나 응답하지 않습니다. "
              "파워밀을 실행한 뒤 다시 시도하십시오 (0x80010108))");
}

}  // namespace
}  // namespace orvalis::host
