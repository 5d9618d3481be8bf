#include "model/clsErgoKey.h"

#include "core/NumberText.h"
#include "core/mdlCommon.h"
#include "model/clsZo.h"
#include "model/mdlDom.h"
#include "model/mdlErrorLine.h"
#include "model/mdlIndexed.h"
#include "sdk/DeviceIndex.h"

namespace {

constexpr int kMessage = 104;

using Codes = ZOSCOPELib::ErgoControllerDevice::KeyCodes;

// The SDK's order of the ten codes: Key(0)..Key(4), KeyAB(0, A), KeyAB(0, B),
// KeyAB(1, A), KeyAB(1, B), Key(5).
template <class Keys>
Codes ToCodes(const Keys& keys)
{
    return {keys.key[0],      keys.key[1],      keys.key[2],      keys.key[3],      keys.key[4],
            keys.keyAB[0][0], keys.keyAB[0][1], keys.keyAB[1][0], keys.keyAB[1][1], keys.key[5]};
}

template <class Keys>
void FromCodes(const Codes& codes, Keys& keys)
{
    for (std::size_t i = 0; i < 5; ++i)
        keys.key[i] = codes[i];
    keys.keyAB[0] = {codes[5], codes[6]};
    keys.keyAB[1] = {codes[7], codes[8]};
    keys.key[5] = codes[9];
}

// Setup-file IDs: 1..5 the first fixed keys, 6 and 7 the switchable keys, 8
// the sixth fixed key.
constexpr int32_t kFirstSwitchableId = 6;
constexpr int32_t kLastId = 8;

} // namespace

int32_t clsErgoKey::Key(int i) const
{
    return func_ItemAt(m_Work.key, i);
}

void clsErgoKey::SetKey(int i, int32_t code)
{
    sub_SetItemAt(m_Work.key, i, code);
}

int32_t clsErgoKey::KeyAB(int i, int ab) const
{
    if (i < 0 || i >= SwitchableCount || ab < RowA || ab > RowB)
        return 0;
    return m_Work.keyAB[static_cast<std::size_t>(i)][static_cast<std::size_t>(ab)];
}

void clsErgoKey::SetKeyAB(int i, int ab, int32_t code)
{
    if (i >= 0 && i < SwitchableCount && ab >= RowA && ab <= RowB)
        m_Work.keyAB[static_cast<std::size_t>(i)][static_cast<std::size_t>(ab)] = code;
}

bool clsErgoKey::IsPresent() const
{
    return Zo && Zo->Scope && Zo->IsMounted(DeviceIndex::ErgoController) == 1;
}

std::string clsErgoKey::func_ReadSdk()
{
    if (!IsPresent())
        return {};
    try {
        ZOSCOPELib::ErgoControllerDevice& ergo = Zo->Scope->ErgoController();
        const Codes codes = ergo.GetKeys();
        const bool enabled = ergo.SwitchEnabled()->Value() == 1;
        FromCodes(codes, m_Work);
        m_Work.switchEnable = enabled;
    } catch (const std::exception& e) {
        return func_ReadError(kMessage, e);
    }
    m_Backup = m_Work;
    return {};
}

std::string clsErgoKey::func_WriteSdk()
{
    if (!IsPresent())
        return {};
    ZOSCOPELib::ErgoControllerDevice& ergo = Zo->Scope->ErgoController();
    bool failed = false;
    // The switch state is always sent; the keys only when one of them changed.
    try {
        if (m_Work.switchEnable)
            ergo.EnableSwitch();
        else
            ergo.DisableSwitch();
        m_Backup.switchEnable = m_Work.switchEnable;
    } catch (const std::exception&) {
        failed = true;
    }
    const Codes codes = ToCodes(m_Work);
    if (codes != ToCodes(m_Backup)) {
        try {
            ergo.SetKeys(codes);
            m_Backup.key = m_Work.key;
            m_Backup.keyAB = m_Work.keyAB;
        } catch (const std::exception&) {
            failed = true;
        }
    }
    return failed ? func_GetMessage(kMessage) : std::string();
}

void clsErgoKey::sub_RestData()
{
    m_Work = m_Backup;
}

std::string clsErgoKey::func_ReadDom(const pugi::xml_node& element)
{
    std::string_view idAsRead;
    const DomKey key = func_DomReadKey(element, idAsRead);
    const int32_t id = key.id.value_or(0);
    const std::string_view function = key.function.value_or(std::string_view());
    if (id >= kFirstSwitchableId && id < kLastId) {
        // "A,B": the two codes of a switchable key.
        const auto comma = function.find(',');
        if (comma == std::string_view::npos)
            return func_ItemError(kMessage, idAsRead);
        const auto a = func_DomToLong(function.substr(0, comma));
        const auto b = func_DomToLong(function.substr(comma + 1));
        if (!a || !b)
            return func_ItemError(kMessage, idAsRead);
        m_Work.keyAB[static_cast<std::size_t>(id - kFirstSwitchableId)] = {*a, *b};
        return {};
    }
    const int index = id == kLastId ? KeyCount - 1 : id - 1;
    const auto code = func_DomToLong(function);
    if (id < 1 || id > kLastId || !code)
        return func_ItemError(kMessage, idAsRead);
    m_Work.key[static_cast<std::size_t>(index)] = *code;
    return {};
}

void clsErgoKey::sub_WriteDom(pugi::xml_document& document, pugi::xml_node& section)
{
    (void)document;
    for (int32_t id = 1; id <= kLastId; ++id) {
        if (id >= kFirstSwitchableId && id < kLastId) {
            const auto& ab = m_Work.keyAB[static_cast<std::size_t>(id - kFirstSwitchableId)];
            sub_DomWriteKey(section, "KEYAB", id, zo::FormatInt(ab[0]) + "," + zo::FormatInt(ab[1]));
        } else {
            sub_DomWriteKey(section, "KEY", id, zo::FormatInt(id == kLastId ? Key(KeyCount - 1) : Key(id - 1)));
        }
    }
}
