#include "environment/win32/private_security.h"

#include <vector>

#include "launcher/log.h"
#include "launcher/win32/handle.h"

namespace {

struct PrivateSecurity {
    std::vector<BYTE> tokenUser;  // TOKEN_USER and the SID it points into
    std::vector<BYTE> system = std::vector<BYTE>(SECURITY_MAX_SID_SIZE);
    std::vector<BYTE> acl;
    SECURITY_DESCRIPTOR descriptor = {};
    SECURITY_ATTRIBUTES attributes = {sizeof(SECURITY_ATTRIBUTES), &descriptor, FALSE};
};

std::vector<BYTE> currentTokenUser() {
    Handle token;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, token.receive())) return {};
    DWORD size = 0;
    GetTokenInformation(token.get(), TokenUser, nullptr, 0, &size);
    std::vector<BYTE> user(size);
    if (size == 0 || !GetTokenInformation(token.get(), TokenUser, user.data(), size, &size)) return {};
    return user;
}

bool build(PrivateSecurity& security) {
    security.tokenUser = currentTokenUser();
    if (security.tokenUser.empty()) return false;
    PSID user = reinterpret_cast<TOKEN_USER*>(security.tokenUser.data())->User.Sid;
    PSID system = security.system.data();
    DWORD systemSize = static_cast<DWORD>(security.system.size());
    if (!CreateWellKnownSid(WinLocalSystemSid, nullptr, system, &systemSize)) return false;

    DWORD aceSize = sizeof(ACCESS_ALLOWED_ACE) - sizeof(DWORD);  // without SidStart
    DWORD aclSize = sizeof(ACL) + 2 * aceSize + GetLengthSid(user) + GetLengthSid(system);
    security.acl.resize(aclSize);
    ACL* acl = reinterpret_cast<ACL*>(security.acl.data());
    const DWORD inherited = OBJECT_INHERIT_ACE | CONTAINER_INHERIT_ACE;
    return InitializeAcl(acl, aclSize, ACL_REVISION) &&
           AddAccessAllowedAceEx(acl, ACL_REVISION, inherited, FILE_ALL_ACCESS, user) &&
           AddAccessAllowedAceEx(acl, ACL_REVISION, inherited, FILE_ALL_ACCESS, system) &&
           InitializeSecurityDescriptor(&security.descriptor, SECURITY_DESCRIPTOR_REVISION) &&
           SetSecurityDescriptorDacl(&security.descriptor, TRUE, acl, FALSE) &&
           SetSecurityDescriptorControl(&security.descriptor, SE_DACL_PROTECTED, SE_DACL_PROTECTED);
}

}  // namespace

SECURITY_ATTRIBUTES* privateSecurityAttributes() {
    static PrivateSecurity security;
    static const bool built = [] {
        if (build(security)) return true;
        logError(u"no private security descriptor (%d)", static_cast<int>(GetLastError()));
        return false;
    }();
    return built ? &security.attributes : nullptr;
}
