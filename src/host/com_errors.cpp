#include "host/com_errors.h"

#include <winerror.h>

#include <cstdio>

#include "host/com_text.h"

namespace orvalis::host {

namespace {

constexpr bool kSixtyFourBitProgram = sizeof(void*) == 8;

std::string Code(HRESULT result) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08lX", static_cast<unsigned long>(result));
    return text;
}

bool HostNotAnswering(HRESULT result) {
    switch (result) {
        case CO_E_SERVER_EXEC_FAILURE:
        case CO_E_OBJNOTCONNECTED:
        case RPC_E_DISCONNECTED:
        case RPC_E_SERVER_DIED:
        case RPC_E_SERVER_DIED_DNE:
        case RPC_E_CALL_REJECTED:
        case HRESULT_FROM_WIN32(RPC_S_SERVER_UNAVAILABLE):
        case HRESULT_FROM_WIN32(RPC_S_CALL_FAILED):
            return true;
        default:
            return false;
    }
}

bool OtherBitness(HRESULT result) {
    return result == HRESULT_FROM_WIN32(ERROR_BAD_EXE_FORMAT) ||
           result == HRESULT_FROM_WIN32(ERROR_EXE_MACHINE_TYPE_MISMATCH);
}

std::string NotRegistered(const std::string& prog_id) {
    return "파워밀 자동화 컨트롤 " + prog_id +
           "이(가) 이 컴퓨터에 등록되어 있지 않습니다. 파워밀이 설치되어 있는지 확인하십시오";
}

std::string WrongBitness() {
    return kSixtyFourBitProgram
               ? std::string(
                     "파워밀 자동화 컨트롤이 32비트용이라 64비트 ORVALIS에서 쓸 수 "
                     "없습니다. ORVALIS 32비트판을 설치해 사용하십시오")
               : std::string(
                     "파워밀 자동화 컨트롤이 64비트용이라 32비트 ORVALIS에서 쓸 수 "
                     "없습니다. ORVALIS 64비트판을 설치해 사용하십시오");
}

const std::string kNotRunning =
    "파워밀이 실행 중이 아니거나 응답하지 않습니다. 파워밀을 실행한 뒤 다시 시도하십시오";

}  // namespace

std::string ComFailureText(ComStep step, HRESULT result, const std::string& description,
                           const std::string& prog_id) {
    bool finding = step == ComStep::kFindControl || step == ComStep::kLoadControl;
    if (finding && (result == REGDB_E_CLASSNOTREG || result == CO_E_CLASSSTRING)) {
        return NotRegistered(prog_id);
    }
    if (OtherBitness(result)) return WrongBitness();
    if (HostNotAnswering(result)) return kNotRunning + " (" + Code(result) + ")";
    if (step == ComStep::kConnect) {
        std::string why = description.empty() ? Code(result) : description;
        return "파워밀에 연결할 수 없습니다: " + why + ". 파워밀이 실행 중인지 확인하십시오";
    }
    if (!description.empty()) return description;
    if (step == ComStep::kLoadControl) {
        return "파워밀 자동화 컨트롤 " + prog_id + "을(를) 불러올 수 없습니다 (" + Code(result) +
               ")";
    }
    return "파워밀 자동화 컨트롤이 오류를 돌려주었습니다 (" + Code(result) + ")";
}

HostError ComFailure(const std::string& call, ComStep step, HRESULT result, EXCEPINFO* exception,
                     const std::string& prog_id) {
    std::string description;
    if (result == DISP_E_EXCEPTION && exception) {
        if (exception->pfnDeferredFillIn) exception->pfnDeferredFillIn(exception);
        description = BstrToUtf8(exception->bstrDescription);
        // The control's own code says more than "an exception occurred".
        if (exception->scode != S_OK) {
            result = exception->scode;
        } else if (exception->wCode != 0) {
            result = MAKE_HRESULT(SEVERITY_ERROR, FACILITY_CONTROL, exception->wCode);
        }
        SysFreeString(exception->bstrSource);
        SysFreeString(exception->bstrDescription);
        SysFreeString(exception->bstrHelpFile);
        *exception = EXCEPINFO{};
    }
    return HostError(call, ComFailureText(step, result, description, prog_id));
}

}  // namespace orvalis::host
