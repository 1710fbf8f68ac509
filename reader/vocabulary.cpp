#include "reader/vocabulary.h"

#include "reader/name_index.h"
#include "reader/pad_document.h"
#include "reader/text_util.h"

namespace quillot {

std::vector<std::string> PadTagTable;
std::vector<EntityEntry> EntityTable;

namespace {

// The PAD element names in TagNumber order.
constexpr const char* kPadTags[] = {"MASTER_PAD_VERSION",
                                    "MASTER_PAD_EDITOR",
                                    "MASTER_PAD_INFO",
                                    "Company_Name",
                                    "Address_1",
                                    "Address_2",
                                    "City_Town",
                                    "State_Province",
                                    "Zip_Postal_Code",
                                    "Country",
                                    "Company_WebSite_URL",
                                    "Author_First_Name",
                                    "Author_Last_Name",
                                    "Author_Email",
                                    "Contact_First_Name",
                                    "Contact_Last_Name",
                                    "Contact_Email",
                                    "Sales_Email",
                                    "Support_Email",
                                    "General_Email",
                                    "Sales_Phone",
                                    "Support_Phone",
                                    "General_Phone",
                                    "Fax_Phone",
                                    "Program_Name",
                                    "Program_Version",
                                    "Program_Release_Month",
                                    "Program_Release_Day",
                                    "Program_Release_Year",
                                    "Program_Cost_Dollars",
                                    "Program_Cost_Other_Code",
                                    "Program_Cost_Other",
                                    "Program_Type",
                                    "Program_Release_Status",
                                    "Program_Install_Support",
                                    "Program_OS_Support",
                                    "Program_Language",
                                    "Program_Change_Info",
                                    "Program_Specific_Category",
                                    "Program_Category_Class",
                                    "Program_Categories",
                                    "Program_System_Requirements",
                                    "Includes_JAVA_VM",
                                    "Includes_VB_Runtime",
                                    "Includes_DirectX",
                                    "Filename_Versioned",
                                    "Filename_Previous",
                                    "Filename_Generic",
                                    "Filename_Long",
                                    "File_Size_Bytes",
                                    "File_Size_K",
                                    "File_Size_MB",
                                    "Has_Expire_Info",
                                    "Expire_Count",
                                    "Expire_Based_On",
                                    "Expire_Other_Info",
                                    "Expire_Month",
                                    "Expire_Day",
                                    "Expire_Year",
                                    "Keywords",
                                    "Char_Desc_45",
                                    "Char_Desc_80",
                                    "Char_Desc_250",
                                    "Char_Desc_450",
                                    "Char_Desc_2000",
                                    "Application_Info_URL",
                                    "Application_Order_URL",
                                    "Application_Screenshot_URL",
                                    "Application_Icon_URL",
                                    "Application_XML_File_URL",
                                    "Primary_Download_URL",
                                    "Secondary_Download_URL",
                                    "Additional_Download_URL_1",
                                    "Additional_Download_URL_2",
                                    "Distribution_Permissions",
                                    "EULA"};

struct OfferedEntity {
    const char* name;
    char character;  // '?': no single byte fits, the entity is not stored
};

// The HTML 4.01 symbol set, then quot, amp, lt, gt, the rest of the special
// set, the Latin-1 set and apos, each with the byte it decodes to.
constexpr OfferedEntity kOfferedEntities[] = {
    // Symbol set.
    {"Alpha", '?'},
    {"Beta", '?'},
    {"Gamma", '?'},
    {"Delta", '?'},
    {"Epsilon", '?'},
    {"Zeta", '?'},
    {"Eta", '?'},
    {"Theta", '?'},
    {"Iota", '?'},
    {"Kappa", '?'},
    {"Lambda", '?'},
    {"Mu", '?'},
    {"Nu", '?'},
    {"Xi", '?'},
    {"Omicron", '?'},
    {"Pi", '\xB6'},
    {"Rho", '?'},
    {"Sigma", '?'},
    {"Tau", '?'},
    {"Upsilon", '?'},
    {"Phi", '?'},
    {"Chi", '?'},
    {"Psi", '?'},
    {"Omega", '?'},
    {"alpha", '?'},
    {"beta", '?'},
    {"gamma", '?'},
    {"delta", '?'},
    {"epsilon", '?'},
    {"zeta", '?'},
    {"eta", '?'},
    {"theta", '?'},
    {"iota", '?'},
    {"kappa", '?'},
    {"lambda", '?'},
    {"mu", '\xB5'},
    {"nu", '?'},
    {"xi", '?'},
    {"omicron", '?'},
    {"pi", '\xB6'},
    {"rho", '?'},
    {"sigmaf", '?'},
    {"sigma", '?'},
    {"tau", '?'},
    {"upsilon", '?'},
    {"phi", '?'},
    {"chi", '?'},
    {"psi", '?'},
    {"omega", '?'},
    {"thetasym", '?'},
    {"upsih", '?'},
    {"piv", '?'},
    {"bull", '?'},
    {"hellip", '?'},
    {"prime", '?'},
    {"Prime", '?'},
    {"oline", '?'},
    {"frasl", '?'},
    {"weierp", '?'},
    {"image", '?'},
    {"real", '?'},
    {"trade", '?'},
    {"alefsym", '?'},
    {"larr", '?'},
    {"uarr", '?'},
    {"rarr", '?'},
    {"darr", '?'},
    {"harr", '?'},
    {"crarr", '?'},
    {"lArr", '?'},
    {"uArr", '?'},
    {"rArr", '?'},
    {"dArr", '?'},
    {"hArr", '?'},
    {"forall", '?'},
    {"part", '?'},
    {"exist", '?'},
    {"empty", '?'},
    {"nabla", '?'},
    {"isin", '?'},
    {"notin", '?'},
    {"ni", '?'},
    {"prod", '?'},
    {"sum", '?'},
    {"minus", '-'},
    {"lowast", '?'},
    {"radic", '?'},
    {"prop", '?'},
    {"infin", '?'},
    {"ang", '\xBA'},
    {"and", '?'},
    {"or", '?'},
    {"cap", '?'},
    {"cup", '?'},
    {"int", '?'},
    {"there4", '?'},
    {"sim", '~'},
    {"cong", '~'},
    {"asymp", '?'},
    {"ne", '?'},
    {"equiv", '?'},
    {"le", '?'},
    {"ge", '?'},
    {"sub", '?'},
    {"sup", '?'},
    {"nsub", '?'},
    {"sube", '?'},
    {"supe", '?'},
    {"oplus", '?'},
    {"otimes", '?'},
    {"perp", '?'},
    {"sdot", '?'},
    {"lceil", '?'},
    {"rceil", '?'},
    {"lfloor", '?'},
    {"rfloor", '?'},
    {"lang", '?'},
    {"rang", '?'},
    {"loz", '?'},
    {"spades", '?'},
    {"clubs", '?'},
    {"hearts", '?'},
    {"diams", '?'},
    // Markup-significant characters.
    {"quot", '"'},
    {"amp", '&'},
    {"lt", '<'},
    {"gt", '>'},
    // The rest of the special set.
    {"OElig", '?'},
    {"oelig", '?'},
    {"Scaron", '?'},
    {"scaron", '?'},
    {"Yuml", '?'},
    {"circ", '?'},
    {"tilde", '?'},
    {"ensp", '?'},
    {"emsp", '?'},
    {"thinsp", ' '},
    {"zwnj", '?'},
    {"zwj", '?'},
    {"lrm", '?'},
    {"rlm", '?'},
    {"ndash", '?'},
    {"mdash", '?'},
    {"lsquo", '?'},
    {"rsquo", '?'},
    {"sbquo", '?'},
    {"ldquo", '?'},
    {"rdquo", '?'},
    {"bdquo", '?'},
    {"dagger", '?'},
    {"Dagger", '?'},
    {"permil", '?'},
    {"lsaquo", '?'},
    {"rsaquo", '?'},
    {"euro", '\x80'},
};

// The Latin-1 set decodes to the codes 160 to 255 in this order.
constexpr const char* kLatin1Entities[] = {
    "nbsp",   "iexcl",  "cent",   "pound",  "curren", "yen",    "brvbar", "sect",   "uml",
    "copy",   "ordf",   "laquo",  "not",    "shy",    "reg",    "macr",   "deg",    "plusmn",
    "sup2",   "sup3",   "acute",  "micro",  "para",   "middot", "cedil",  "sup1",   "ordm",
    "raquo",  "frac14", "frac12", "frac34", "iquest", "Agrave", "Aacute", "Acirc",  "Atilde",
    "Auml",   "Aring",  "AElig",  "Ccedil", "Egrave", "Eacute", "Ecirc",  "Euml",   "Igrave",
    "Iacute", "Icirc",  "Iuml",   "ETH",    "Ntilde", "Ograve", "Oacute", "Ocirc",  "Otilde",
    "Ouml",   "times",  "Oslash", "Ugrave", "Uacute", "Ucirc",  "Uuml",   "Yacute", "THORN",
    "szlig",  "agrave", "aacute", "acirc",  "atilde", "auml",   "aring",  "aelig",  "ccedil",
    "egrave", "eacute", "ecirc",  "euml",   "igrave", "iacute", "icirc",  "iuml",   "eth",
    "ntilde", "ograve", "oacute", "ocirc",  "otilde", "ouml",   "divide", "oslash", "ugrave",
    "uacute", "ucirc",  "uuml",   "yacute", "thorn",  "yuml"};

static_assert(sizeof(kLatin1Entities) / sizeof(kLatin1Entities[0]) == 96);

// The indexes behind FindPadTag and FindEntity. AddPadTag and AddEntity keep
// them in step with their tables; a table changed behind their back (its
// count differs from the index's) has its index rebuilt at the next lookup.
NameIndex& TagIndex() {
    static NameIndex index(true);
    return index;
}

NameIndex& EntityIndex() {
    static NameIndex index(false);
    return index;
}

template <typename Table, typename NameOf>
const NameIndex& IndexInStep(NameIndex& index, const Table& table, NameOf nameOf) {
    if (index.Added() != table.size()) {
        index.Clear();
        for (size_t i = 0; i < table.size(); ++i)
            index.Add(nameOf(table[i]), static_cast<int32_t>(i));
    }
    return index;
}

std::string ChooseTempFolder(const ReaderSetup& setup) {
    if (setup.devMode) return std::string(FolderPart(setup.programPath));
    std::string reported = setup.systemTempPath;
    reported = reported.substr(0, reported.find('\0'));
    return WithTrailingBackslash(reported);
}

}  // namespace

void AddPadTag(std::string_view name) {
    if (static_cast<int32_t>(PadTagTable.size()) >= PadTagCapacity) return;
    const bool inStep = TagIndex().Added() == PadTagTable.size();
    PadTagTable.emplace_back(name);
    if (inStep) TagIndex().Add(name, static_cast<int32_t>(PadTagTable.size() - 1));
}

void AddEntity(std::string_view name, char character) {
    if (character == '?') return;
    if (static_cast<int32_t>(EntityTable.size()) >= EntityCapacity) return;
    const bool inStep = EntityIndex().Added() == EntityTable.size();
    EntityTable.push_back(EntityEntry{std::string(name), character});
    if (inStep) EntityIndex().Add(name, static_cast<int32_t>(EntityTable.size() - 1));
}

int32_t FindPadTag(std::string_view name) {
    return IndexInStep(TagIndex(), PadTagTable,
                       [](const std::string& tag) -> std::string_view { return tag; })
        .Find(name);
}

const EntityEntry* FindEntity(std::string_view name) {
    const int32_t position =
        IndexInStep(EntityIndex(), EntityTable, [](const EntityEntry& entry) -> std::string_view {
            return entry.Name;
        }).Find(name);
    return position < 0 ? nullptr : &EntityTable[static_cast<size_t>(position)];
}

void InitPadReader(const ReaderSetup& setup) {
    TempFolder = ChooseTempFolder(setup);
    PadTagTable.clear();
    EntityTable.clear();
    TagIndex().Clear();
    EntityIndex().Clear();
    for (const char* tag : kPadTags)
        AddPadTag(tag);
    for (const OfferedEntity& entity : kOfferedEntities)
        AddEntity(entity.name, entity.character);
    for (size_t i = 0; i < 96; ++i) {
        AddEntity(kLatin1Entities[i], static_cast<char>(160 + i));
    }
    AddEntity("apos", '\'');
}

}  // namespace quillot
