#pragma once
// The ten classes' identifiers as the library's interface description lists them, for the tests.

namespace kalvik::testing {

// The ten classes with their identifiers as the library's interface description lists them.
struct ClassRow {
    const char* identifier;
    const char* clsid;
    const char* iid;
};
inline const ClassRow kClassRows[] = {
    {"Kalvik_dll.Vent", "{738E20F2-23DF-404A-AAF0-A1FDC7BF28DA}",
     "{8E34D676-91B8-429D-9AAD-40A3D9596B0A}"},
    {"Kalvik_dll.Fiz_par", "{752E1C20-DACB-4F91-A79D-A5ED93043142}",
     "{487CC2D3-BF39-4D5B-A6B8-4403C7C7895F}"},
    {"Kalvik_dll.Potr", "{91A777E5-670F-406B-9E4D-4E1D43BDEEF8}",
     "{26DB7377-5F5D-468A-96FC-399EC8C58E6B}"},
    {"Kalvik_dll.Poteri_vneshn", "{91DBF026-A95D-4FBB-BBD6-80A45EF466DD}",
     "{28F01DE2-AF60-42CC-8451-A3A445A9168C}"},
    {"Kalvik_dll.Open_RST", "{C9FF5B01-FC5C-4FF0-A6F3-90D57D684EB8}",
     "{C693C4FC-973D-4E6E-A4CB-A007C4ACC486}"},
    {"Kalvik_dll.Propiss", "{20AC0CE2-51A3-463A-A450-6C4CC08372EC}",
     "{8DAB9820-B429-4BCE-8A46-320F9E4F14B5}"},
    {"Kalvik_dll.Ras_Vent", "{A7203511-B69B-4D2D-BE5F-3C806DD5E576}",
     "{3E162FFC-7A6B-4EB2-AEE4-E7429A4DA567}"},
    {"Kalvik_dll.Ras_Vrem", "{00600C54-2278-49D6-9D6F-4D95C6AD4EEA}",
     "{BBF2D4B7-FC0F-4D41-B38F-E1071F63603B}"},
    {"Kalvik_dll.Ras_Potr", "{A2B8DA77-1A05-4319-8F8C-B172220577C6}",
     "{CCDFF673-3A6C-4FDA-8D5F-5D3402D740C7}"},
    {"Kalvik_dll.Ras_Potr_Par", "{9F9A8C83-50C2-402C-9816-3AB6FFB836A4}",
     "{706B5294-5B0E-4E68-B287-25393A0023B8}"},
};
inline const char kIUnknown[] = "{00000000-0000-0000-C000-000000000046}";
inline const char kIDispatch[] = "{00020400-0000-0000-C000-000000000046}";
inline const char kIClassFactory[] = "{00000001-0000-0000-C000-000000000046}";
inline const char kRasPotrAlias[] = "{AE8B69AF-96E1-44C7-B70A-0893159D58EF}";

}  // namespace kalvik::testing
