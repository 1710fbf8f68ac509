#include "reader/pad_rules.h"

// The PAD format's rules of the 68 elements that have one, for PAD 3.11 and
// PAD 4.0, and PAD 4.0's Press_Release/Keywords. The expressions are the
// published ones byte for byte (entities decoded); the descriptions are the
// published RegExDocumentation texts, of the Program_OS_Support rule its first
// sentence. PAD 4.0 changed nine URL rules (https allowed, and their
// descriptions say so) and the list of operating systems; the rest is as in
// PAD 3.11.

namespace quillot {
namespace {

// The published expressions.
constexpr std::string_view kReVersion = R"re(^\d.\d+\Z)re";
constexpr std::string_view kReText0To100 = R"re(^[^<\x09]{0,100}\Z)re";
constexpr std::string_view kReText0To1000 = R"re(^[^<\x09]{0,1000}\Z)re";
constexpr std::string_view kReText2To40 = R"re(^[^<\x09]{2,40}\Z)re";
constexpr std::string_view kReAddress1 = R"re(^[a-zA-Z0-9\xbc-\xff .\-,#\/\x27]{0,40}\Z)re";
constexpr std::string_view kReAddress2 = R"re(^[a-zA-Z\xbc-\xff0-9 .\-,#\/\x27]{0,40}\Z)re";
constexpr std::string_view kReCity = R"re(^[a-zA-Z\xbc-\xff0-9 .\-,#\/\x27]{2,40}\Z)re";
constexpr std::string_view kReState = R"re(^[a-zA-Z\xbc-\xff0-9 .\-,\/]{0,30}\Z)re";
constexpr std::string_view kReText0To20 = R"re(^[^<\x09]{0,20}\Z)re";
constexpr std::string_view kReCountry = R"re(^[a-z A-Z\xbc-\xff\x27-]{2,40}\Z)re";
constexpr std::string_view kReHttp311 = R"re(^http:\/\/.{2,120}\Z)re";
constexpr std::string_view kReHttp40 = R"re(^(http|https):\/\/.{2,120}\Z)re";
constexpr std::string_view kReText2To30 = R"re(^[^<\x09]{2,30}\Z)re";
constexpr std::string_view kReEmail = R"re(^.{2,30}\@.{2,63}\..{2,20}\Z)re";
constexpr std::string_view kRePhone = R"re(^\+{0,2}(([0-9#*()-\/_] *){7,40})?\Z)re";
constexpr std::string_view kReText1To40 = R"re(^[^<\x09]{1,40}\Z)re";
constexpr std::string_view kReProgramVersion = R"re(^[a-zA-Z0-9_.\-]{1,15}\Z)re";
constexpr std::string_view kReMonth = R"re(^(0[1-9]|1[0-2])\Z)re";
constexpr std::string_view kReDay = R"re(^(0[1-9]|[12][0-9]|3[01])\Z)re";
constexpr std::string_view kReYear = R"re(^(19|20|21)[0-9]{2}\Z)re";
constexpr std::string_view kReAmount = R"re(^([0-9]+(\.[0-9]{2})?)?\Z)re";
constexpr std::string_view kReCurrency =
    R"re(^(AED|AFN|ALL|AMD|ANG|AOA|ARS|AUD|AWG|AZM|BAM|BBD|BDT|BGN|BHD|BIF|BMD|BND|BOB|BRL|)re"
    R"re(BSD|BTN|BWP|BYR|BZD|CAD|CDF|CHF|CLP|CNY|COP|COU|CRC|CSD|CZK|CUP|CVE|CYP|DJF|DKK|DOP|)re"
    R"re(DZD|EEK|EGP|ERN|ETB|EUR|FJD|FKP|GBP|GEL|GHC|GIP|GMD|GNF|GTQ|GYD|HKD|HNL|HRK|HTG|HUF|)re"
    R"re(IDR|ILS|INR|IQD|IRR|ISK|JMD|JOD|JPY|KES|KGS|KHR|KMF|KPW|KRW|KWD|KYD|KZT|LAK|LBP|LKR|)re"
    R"re(LRD|LSL|LTL|LVL|LYD|MAD|MDL|MGA|MKD|MMK|MNT|MOP|MRO|MTL|MUR|MVR|MWK|MXN|MYR|MZN|NAD|)re"
    R"re(NGN|NIO|NOK|NPR|NZD|OMR|PAB|PEN|PGK|PHP|PKR|PLN|PYG|QAR|RON|RUB|RWF|SAR|SBD|SCR|SDD|)re"
    R"re(SEK|SGD|SHP|SIT|SKK|SLL|SOS|SRD|STD|SYP|SZL|THB|TJS|TMM|TND|TOP|TRY|TTD|TWD|TZS|UAH|)re"
    R"re(UGX|USD|UYU|UZS|VEB|VND|VUV|WST|XAF|XCD|XOF|XPF|YER|ZAR|ZMK|ZWD)?\Z)re";
constexpr std::string_view kReProgramType =
    R"re(^(Shareware|Freeware|Adware|Demo|Commercial|Data Only)\Z)re";
constexpr std::string_view kReReleaseStatus =
    R"re(^(Major Update|Minor Update|New Release|Beta|Alpha|Media Only)\Z)re";
constexpr std::string_view kReInstallSupport =
    R"re(^(Install and Uninstall|Install Only|No Install Support|Uninstall Only)\Z)re";
constexpr std::string_view kReOperatingSystems311 =
    R"re(^((Android|BlackBerry|Handheld\/Mobile Other|iPhone|iPod|iTouch|Java|Linux|)re"
    R"re(Linux Console|Linux Gnome|Linux GPL|Linux Open Source|Mac OS X|Mac Other|MS-DOS|)re"
    R"re(Netware|OpenVMS|Palm|Pocket PC|Symbian|Unix|Win2000|Win7 x32|Win7 x64|Win98|)re"
    R"re(WinMobile|WinOther|WinServer|WinVista|WinVista x64|WinXP|Other|)re"
    R"re(Not Applicable)[, ]*)+\Z)re";
constexpr std::string_view kReOperatingSystems40 =
    R"re(^((Android|BlackBerry|Handheld\/Mobile Other|iPhone|iPad|iPod|iTouch|Java|Linux|)re"
    R"re(Linux Console|Linux Gnome|Linux GPL|Linux Open Source|Mac OS X|Mac Other|MS-DOS|)re"
    R"re(Netware|OpenVMS|Palm|Pocket PC|Symbian|Unix|Win2000|Win7 x32|Win7 x64|Win98|)re"
    R"re(WinMobile|WinOther|WinServer|WinVista|WinVista x64|WinXP|Windows 8|Windows Phone 7|)re"
    R"re(Windows Phone 8|Windows RT|Other|Not Applicable)[, ]*)+\Z)re";
constexpr std::string_view kReLanguages =
    R"re(^(Abkhazian|Afar|Afrikaans|Albanian|Amharic|Arabic|Armenian|Assamese|Aymara|)re"
    R"re(Azerbaijani|Bashkir|Basque|Bengali|Bhutani|Bihari|Bislama|Breton|Bulgarian|Burmese|)re"
    R"re(Byelorussian|Cambodian|Catalan|Chinese|ChineseSimplified|ChineseTraditional|)re"
    R"re(Corsican|Croatian|Czech|Danish|Dutch|English|Esperanto|Estonian|Faeroese|Fiji|)re"
    R"re(Finnish|French|Frisian|Gaelic|Galician|Georgian|German|Greek|Greenlandic|Guarani|)re"
    R"re(Gujarati|Hausa|Hebrew|Hindi|Hungarian|Icelandic|Indonesian|Interlingua|Interlingue|)re"
    R"re(Inupiak|Irish|Italian|Japanese|Javanese|Kannada|Kashmiri|Kazakh|Kinyarwanda|Kirghiz|)re"
    R"re(Kirundi|Korean|Kurdish|Laothian|Latin|Latvian|Lingala|Lithuanian|Macedonian|)re"
    R"re(Malagasy|Malay|Malayalam|Maltese|Maori|Marathi|Moldavian|Mongolian|Nauru|Nepali|)re"
    R"re(Norwegian|Occitan|Oriya|Oromo|Other|Pashto|Persian|Polish|Portuguese|Punjabi|)re"
    R"re(Quechua|Rhaeto-Romance|Romanian|Russian|Samoan|Sangro|Sanskrit|Serbian|)re"
    R"re(Serbo-Croatian|Sesotho|Setswana|Shona|Sindhi|Singhalese|Siswati|Slovak|Slovenian|)re"
    R"re(Somali|Spanish|Sudanese|Swahili|Swedish|Tagalog|Tajik|Tamil|Tatar|Telugu|Thai|)re"
    R"re(Tibetan|Tigrinya|Tonga|Tsonga|Turkish|Turkmen|Twi|Ukrainian|Urdu|Uzbek|Vietnamese|)re"
    R"re(Volapuk|Welsh|Wolof|Xhosa|Yiddish|Yoruba|Zulu|,)+\Z)re";
constexpr std::string_view kReText0To300 = R"re(^[^<\x09]{0,300}\Z)re";
constexpr std::string_view kReSpecificCategory =
    R"re(^(Audio|Business|Development Tools|Education|Games|Graphics|Home\/Hobby|Internet|)re"
    R"re(Miscellaneous|Screen Savers|Utilities)?\Z)re";
constexpr std::string_view kReCategoryClass =
    R"re(^(Audio & Multimedia::Audio Encoders\/Decoders|)re"
    R"re(Audio & Multimedia::Audio File Players|Audio & Multimedia::Audio File Recorders|)re"
    R"re(Audio & Multimedia::CD Burners|Audio & Multimedia::CD Players|)re"
    R"re(Audio & Multimedia::Multimedia Creation Tools|Audio & Multimedia::Music Composers|)re"
    R"re(Audio & Multimedia::Other|Audio & Multimedia::Presentation Tools|)re"
    R"re(Audio & Multimedia::Rippers & Converters|Audio & Multimedia::Speech|)re"
    R"re(Audio & Multimedia::Video Tools|Business::Accounting & Finance|)re"
    R"re(Business::Calculators & Converters|Business::Databases & Tools|)re"
    R"re(Business::Helpdesk & Remote PC|Business::Inventory & Barcoding|)re"
    R"re(Business::Investment Tools|Business::Math & Scientific Tools|)re"
    R"re(Business::Office Suites & Tools|Business::Other|Business::PIMS & Calendars|)re"
    R"re(Business::Project Management|Business::Vertical Market Apps|)re"
    R"re(Communications::Chat & Instant Messaging|Communications::Dial Up & Connection Tools|)re"
    R"re(Communications::E-Mail Clients|Communications::E-Mail List Management|)re"
    R"re(Communications::Fax Tools|Communications::Newsgroup Clients|)re"
    R"re(Communications::Other Comms Tools|Communications::Other E-Mail Tools|)re"
    R"re(Communications::Pager Tools|Communications::Telephony|)re"
    R"re(Communications::Web\/Video Cams|Desktop::Clocks & Alarms|Desktop::Cursors & Fonts|)re"
    R"re(Desktop::Icons|Desktop::Other|Desktop::Screen Savers: Art|)re"
    R"re(Desktop::Screen Savers: Cartoons|Desktop::Screen Savers: Nature|)re"
    R"re(Desktop::Screen Savers: Other|Desktop::Screen Savers: People|)re"
    R"re(Desktop::Screen Savers: Science|Desktop::Screen Savers: Seasonal|)re"
    R"re(Desktop::Screen Savers: Vehicles|Desktop::Themes & Wallpaper|Development::Active X|)re"
    R"re(Development::Basic, VB, VB DotNet|Development::C \/ C\+\+ \/ C\#|)re"
    R"re(Development::Compilers & Interpreters|Development::Components & Libraries|)re"
    R"re(Development::Debugging|Development::Delphi|Development::Help Tools|)re"
    R"re(Development::Install & Setup|Development::Management & Distribution|)re"
    R"re(Development::Other|Development::Source Editors|Education::Computer|)re"
    R"re(Education::Dictionaries|Education::Geography|Education::Kids|Education::Languages|)re"
    R"re(Education::Mathematics|Education::Other|Education::Reference Tools|)re"
    R"re(Education::Science|Education::Teaching & Training Tools|)re"
    R"re(Games & Entertainment::Action|Games & Entertainment::Adventure & Roleplay|)re"
    R"re(Games & Entertainment::Arcade|Games & Entertainment::Board|)re"
    R"re(Games & Entertainment::Card|Games & Entertainment::Casino & Gambling|)re"
    R"re(Games & Entertainment::Kids|Games & Entertainment::Online Gaming|)re"
    R"re(Games & Entertainment::Other|Games & Entertainment::Puzzle & Word Games|)re"
    R"re(Games & Entertainment::Simulation|Games & Entertainment::Sports|)re"
    R"re(Games & Entertainment::Strategy & War Games|Games & Entertainment::Tools & Editors|)re"
    R"re(Graphic Apps::Animation Tools|Graphic Apps::CAD|)re"
    R"re(Graphic Apps::Converters & Optimizers|Graphic Apps::Editors|)re"
    R"re(Graphic Apps::Font Tools|Graphic Apps::Gallery & Cataloging Tools|)re"
    R"re(Graphic Apps::Icon Tools|Graphic Apps::Other|Graphic Apps::Screen Capture|)re"
    R"re(Graphic Apps::Viewers|Home & Hobby::Astrology\/Biorhythms\/Mystic|)re"
    R"re(Home & Hobby::Astronomy|Home & Hobby::Cataloging|Home & Hobby::Food & Drink|)re"
    R"re(Home & Hobby::Genealogy|Home & Hobby::Health & Nutrition|Home & Hobby::Other|)re"
    R"re(Home & Hobby::Personal Finance|Home & Hobby::Personal Interest|)re"
    R"re(Home & Hobby::Recreation|Home & Hobby::Religion|Network & Internet::Ad Blockers|)re"
    R"re(Network & Internet::Browser Tools|Network & Internet::Browsers|)re"
    R"re(Network & Internet::Download Managers|)re"
    R"re(Network & Internet::File Sharing\/Peer to Peer|Network & Internet::FTP Clients|)re"
    R"re(Network & Internet::Network Monitoring|Network & Internet::Other|)re"
    R"re(Network & Internet::Remote Computing|Network & Internet::Search\/Lookup Tools|)re"
    R"re(Network & Internet::Terminal & Telnet Clients|)re"
    R"re(Network & Internet::Timers & Time Synch|Network & Internet::Trace & Ping Tools|)re"
    R"re(Security & Privacy::Access Control|Security & Privacy::Anti-Spam & Anti-Spy Tools|)re"
    R"re(Security & Privacy::Anti-Virus Tools|Security & Privacy::Covert Surveillance|)re"
    R"re(Security & Privacy::Encryption Tools|Security & Privacy::Other|)re"
    R"re(Security & Privacy::Password Managers|Servers::Firewall & Proxy Servers|)re"
    R"re(Servers::FTP Servers|Servers::Mail Servers|Servers::News Servers|)re"
    R"re(Servers::Other Server Applications|Servers::Telnet Servers|Servers::Web Servers|)re"
    R"re(System Utilities::Automation Tools|System Utilities::Backup & Restore|)re"
    R"re(System Utilities::Benchmarking|System Utilities::Clipboard Tools|)re"
    R"re(System Utilities::File & Disk Management|System Utilities::File Compression|)re"
    R"re(System Utilities::Launchers & Task Managers|System Utilities::Other|)re"
    R"re(System Utilities::Printer|System Utilities::Registry Tools|)re"
    R"re(System Utilities::Shell Tools|System Utilities::System Maintenance|)re"
    R"re(System Utilities::Text\/Document Editors|Web Development::ASP & PHP|)re"
    R"re(Web Development::E-Commerce|Web Development::Flash Tools|)re"
    R"re(Web Development::HTML Tools|Web Development::Java & JavaScript|)re"
    R"re(Web Development::Log Analysers|Web Development::Other|)re"
    R"re(Web Development::Site Administration|Web Development::Wizards & Components|)re"
    R"re(Web Development::XML\/CSS Tools)\Z)re";
constexpr std::string_view kReDigits3To16 = R"re(^[0-9]{3,16}\Z)re";
constexpr std::string_view kReDecimal1To12 = R"re(^[0-9.]{1,12}\Z)re";
constexpr std::string_view kReDecimal1To8 = R"re(^[0-9.]{1,8}\Z)re";
constexpr std::string_view kReYesNo = R"re(^[YyNn]\Z)re";
constexpr std::string_view kReDigits0To15 = R"re(^[0-9]{0,15}\Z)re";
constexpr std::string_view kReExpiryBasis = R"re(^(Days|Uses|Either\/Or)?\Z)re";
constexpr std::string_view kReExpireMonth = R"re(^(0[1-9]|1[0-2])?\Z)re";
constexpr std::string_view kReExpireDay = R"re(^(0[1-9]|[12][0-9]|3[01])?\Z)re";
constexpr std::string_view kReExpireYear = R"re(^((19|20|21)[0-9]{2})?\Z)re";
constexpr std::string_view kReText0To250 = R"re(^[^<\x09]{0,250}\Z)re";
constexpr std::string_view kReLine0To45 = R"re(^[^<\x09\x0a\x0d]{0,45}\Z)re";
constexpr std::string_view kReLine0To80 = R"re(^[^<\x09\x0a\x0d]{0,80}\Z)re";
constexpr std::string_view kReLine0To250 = R"re(^[^<\x09\x0a\x0d]{0,250}\Z)re";
constexpr std::string_view kReLine0To450 = R"re(^[^<\x09\x0a\x0d]{0,450}\Z)re";
constexpr std::string_view kReLines0To2000 = R"re(^[^<]{0,2000}\Z)re";
constexpr std::string_view kReLines0To20000 = R"re(^[^<]{0,20000}\Z)re";
constexpr std::string_view kReOrderUrl = R"re(^((http|https):\/\/.{2,120})?\Z)re";
constexpr std::string_view kReImageUrl311 = R"re(^http:\/\/.{2,120}\.(gif|jpg|png)\Z)re";
constexpr std::string_view kReImageUrl40 = R"re(^(http|https):\/\/.{2,120}\.(gif|jpg|png)\Z)re";
constexpr std::string_view kRePadFileUrl311 = R"re(^http:\/\/.{2,120}\.(xml|cgi|php|asp)\Z)re";
constexpr std::string_view kRePadFileUrl40 =
    R"re(^(http|https):\/\/.{2,120}\.(xml|cgi|php|asp)\Z)re";
constexpr std::string_view kReDownloadUrl311 =
    R"re(^(http|ftp):\/\/.{2,120}\.(air|apk|app|bin|com|exe|dmg|hqx|gz|gzip|jar|msi|rar|sea|)re"
    R"re(sh|sis|sit|sitx|tar|taz|tgx|tgz|uu|z|zip)\Z)re";
constexpr std::string_view kReDownloadUrl40 =
    R"re(^(http|https|ftp):\/\/.{2,120}\.(air|apk|app|bin|com|exe|dmg|hqx|gz|gzip|jar|msi|)re"
    R"re(rar|sea|sh|sis|sit|sitx|tar|taz|tgx|tgz|uu|z|zip)\Z)re";
constexpr std::string_view kReOtherDownloadUrl311 =
    R"re(^((http|ftp):\/\/.{2,120}\.(air|apk|app|bin|com|exe|dmg|hqx|gz|gzip|jar|msi|rar|sea|)re"
    R"re(sh|sis|sit|sitx|tar|taz|tgx|tgz|uu|z|zip))?\Z)re";
constexpr std::string_view kReOtherDownloadUrl40 =
    R"re(^((http|https|ftp):\/\/.{2,120}\.(air|apk|app|bin|com|exe|dmg|hqx|gz|gzip|jar|msi|)re"
    R"re(rar|sea|sh|sis|sit|sitx|tar|taz|tgx|tgz|uu|z|zip))?\Z)re";

// The vocabularies of the expressions above, word for word.
// Program_Type.
constexpr std::string_view kProgramTypes[] = {"Shareware", "Freeware",   "Adware",
                                              "Demo",      "Commercial", "Data Only"};

// Program_Release_Status.
constexpr std::string_view kReleaseStatuses[] = {"Major Update", "Minor Update", "New Release",
                                                 "Beta",         "Alpha",        "Media Only"};

// Program_Install_Support.
constexpr std::string_view kInstallSupports[] = {"Install and Uninstall", "Install Only",
                                                 "No Install Support", "Uninstall Only"};

// Expire_Based_On.
constexpr std::string_view kExpiryBases[] = {"Days", "Uses", "Either/Or"};

// Program_Cost_Other_Code: 162 codes of ISO 4217 as the format lists them.
constexpr std::string_view kCurrencies[] = {
    "AED", "AFN", "ALL", "AMD", "ANG", "AOA", "ARS", "AUD", "AWG", "AZM", "BAM", "BBD", "BDT",
    "BGN", "BHD", "BIF", "BMD", "BND", "BOB", "BRL", "BSD", "BTN", "BWP", "BYR", "BZD", "CAD",
    "CDF", "CHF", "CLP", "CNY", "COP", "COU", "CRC", "CSD", "CZK", "CUP", "CVE", "CYP", "DJF",
    "DKK", "DOP", "DZD", "EEK", "EGP", "ERN", "ETB", "EUR", "FJD", "FKP", "GBP", "GEL", "GHC",
    "GIP", "GMD", "GNF", "GTQ", "GYD", "HKD", "HNL", "HRK", "HTG", "HUF", "IDR", "ILS", "INR",
    "IQD", "IRR", "ISK", "JMD", "JOD", "JPY", "KES", "KGS", "KHR", "KMF", "KPW", "KRW", "KWD",
    "KYD", "KZT", "LAK", "LBP", "LKR", "LRD", "LSL", "LTL", "LVL", "LYD", "MAD", "MDL", "MGA",
    "MKD", "MMK", "MNT", "MOP", "MRO", "MTL", "MUR", "MVR", "MWK", "MXN", "MYR", "MZN", "NAD",
    "NGN", "NIO", "NOK", "NPR", "NZD", "OMR", "PAB", "PEN", "PGK", "PHP", "PKR", "PLN", "PYG",
    "QAR", "RON", "RUB", "RWF", "SAR", "SBD", "SCR", "SDD", "SEK", "SGD", "SHP", "SIT", "SKK",
    "SLL", "SOS", "SRD", "STD", "SYP", "SZL", "THB", "TJS", "TMM", "TND", "TOP", "TRY", "TTD",
    "TWD", "TZS", "UAH", "UGX", "USD", "UYU", "UZS", "VEB", "VND", "VUV", "WST", "XAF", "XCD",
    "XOF", "XPF", "YER", "ZAR", "ZMK", "ZWD"};

// Program_OS_Support, PAD 3.11: 33 names.
constexpr std::string_view kOperatingSystemNames311[] = {
    "Android",     "BlackBerry", "Handheld/Mobile Other",
    "iPhone",      "iPod",       "iTouch",
    "Java",        "Linux",      "Linux Console",
    "Linux Gnome", "Linux GPL",  "Linux Open Source",
    "Mac OS X",    "Mac Other",  "MS-DOS",
    "Netware",     "OpenVMS",    "Palm",
    "Pocket PC",   "Symbian",    "Unix",
    "Win2000",     "Win7 x32",   "Win7 x64",
    "Win98",       "WinMobile",  "WinOther",
    "WinServer",   "WinVista",   "WinVista x64",
    "WinXP",       "Other",      "Not Applicable"};

// Program_OS_Support, PAD 4.0: the 33 and iPad, Windows 8, Windows Phone 7, Windows Phone 8,
// Windows RT.
constexpr std::string_view kOperatingSystemNames40[] = {"Android",
                                                        "BlackBerry",
                                                        "Handheld/Mobile Other",
                                                        "iPhone",
                                                        "iPad",
                                                        "iPod",
                                                        "iTouch",
                                                        "Java",
                                                        "Linux",
                                                        "Linux Console",
                                                        "Linux Gnome",
                                                        "Linux GPL",
                                                        "Linux Open Source",
                                                        "Mac OS X",
                                                        "Mac Other",
                                                        "MS-DOS",
                                                        "Netware",
                                                        "OpenVMS",
                                                        "Palm",
                                                        "Pocket PC",
                                                        "Symbian",
                                                        "Unix",
                                                        "Win2000",
                                                        "Win7 x32",
                                                        "Win7 x64",
                                                        "Win98",
                                                        "WinMobile",
                                                        "WinOther",
                                                        "WinServer",
                                                        "WinVista",
                                                        "WinVista x64",
                                                        "WinXP",
                                                        "Windows 8",
                                                        "Windows Phone 7",
                                                        "Windows Phone 8",
                                                        "Windows RT",
                                                        "Other",
                                                        "Not Applicable"};

// Program_Language: 139 names (the "," of the expression is a separator).
constexpr std::string_view kLanguageNames[] = {"Abkhazian",
                                               "Afar",
                                               "Afrikaans",
                                               "Albanian",
                                               "Amharic",
                                               "Arabic",
                                               "Armenian",
                                               "Assamese",
                                               "Aymara",
                                               "Azerbaijani",
                                               "Bashkir",
                                               "Basque",
                                               "Bengali",
                                               "Bhutani",
                                               "Bihari",
                                               "Bislama",
                                               "Breton",
                                               "Bulgarian",
                                               "Burmese",
                                               "Byelorussian",
                                               "Cambodian",
                                               "Catalan",
                                               "Chinese",
                                               "ChineseSimplified",
                                               "ChineseTraditional",
                                               "Corsican",
                                               "Croatian",
                                               "Czech",
                                               "Danish",
                                               "Dutch",
                                               "English",
                                               "Esperanto",
                                               "Estonian",
                                               "Faeroese",
                                               "Fiji",
                                               "Finnish",
                                               "French",
                                               "Frisian",
                                               "Gaelic",
                                               "Galician",
                                               "Georgian",
                                               "German",
                                               "Greek",
                                               "Greenlandic",
                                               "Guarani",
                                               "Gujarati",
                                               "Hausa",
                                               "Hebrew",
                                               "Hindi",
                                               "Hungarian",
                                               "Icelandic",
                                               "Indonesian",
                                               "Interlingua",
                                               "Interlingue",
                                               "Inupiak",
                                               "Irish",
                                               "Italian",
                                               "Japanese",
                                               "Javanese",
                                               "Kannada",
                                               "Kashmiri",
                                               "Kazakh",
                                               "Kinyarwanda",
                                               "Kirghiz",
                                               "Kirundi",
                                               "Korean",
                                               "Kurdish",
                                               "Laothian",
                                               "Latin",
                                               "Latvian",
                                               "Lingala",
                                               "Lithuanian",
                                               "Macedonian",
                                               "Malagasy",
                                               "Malay",
                                               "Malayalam",
                                               "Maltese",
                                               "Maori",
                                               "Marathi",
                                               "Moldavian",
                                               "Mongolian",
                                               "Nauru",
                                               "Nepali",
                                               "Norwegian",
                                               "Occitan",
                                               "Oriya",
                                               "Oromo",
                                               "Other",
                                               "Pashto",
                                               "Persian",
                                               "Polish",
                                               "Portuguese",
                                               "Punjabi",
                                               "Quechua",
                                               "Rhaeto-Romance",
                                               "Romanian",
                                               "Russian",
                                               "Samoan",
                                               "Sangro",
                                               "Sanskrit",
                                               "Serbian",
                                               "Serbo-Croatian",
                                               "Sesotho",
                                               "Setswana",
                                               "Shona",
                                               "Sindhi",
                                               "Singhalese",
                                               "Siswati",
                                               "Slovak",
                                               "Slovenian",
                                               "Somali",
                                               "Spanish",
                                               "Sudanese",
                                               "Swahili",
                                               "Swedish",
                                               "Tagalog",
                                               "Tajik",
                                               "Tamil",
                                               "Tatar",
                                               "Telugu",
                                               "Thai",
                                               "Tibetan",
                                               "Tigrinya",
                                               "Tonga",
                                               "Tsonga",
                                               "Turkish",
                                               "Turkmen",
                                               "Twi",
                                               "Ukrainian",
                                               "Urdu",
                                               "Uzbek",
                                               "Vietnamese",
                                               "Volapuk",
                                               "Welsh",
                                               "Wolof",
                                               "Xhosa",
                                               "Yiddish",
                                               "Yoruba",
                                               "Zulu"};

// Program_Category_Class: 155 values "class::subclass".
constexpr std::string_view kCategoryClasses[] = {"Audio & Multimedia::Audio Encoders/Decoders",
                                                 "Audio & Multimedia::Audio File Players",
                                                 "Audio & Multimedia::Audio File Recorders",
                                                 "Audio & Multimedia::CD Burners",
                                                 "Audio & Multimedia::CD Players",
                                                 "Audio & Multimedia::Multimedia Creation Tools",
                                                 "Audio & Multimedia::Music Composers",
                                                 "Audio & Multimedia::Other",
                                                 "Audio & Multimedia::Presentation Tools",
                                                 "Audio & Multimedia::Rippers & Converters",
                                                 "Audio & Multimedia::Speech",
                                                 "Audio & Multimedia::Video Tools",
                                                 "Business::Accounting & Finance",
                                                 "Business::Calculators & Converters",
                                                 "Business::Databases & Tools",
                                                 "Business::Helpdesk & Remote PC",
                                                 "Business::Inventory & Barcoding",
                                                 "Business::Investment Tools",
                                                 "Business::Math & Scientific Tools",
                                                 "Business::Office Suites & Tools",
                                                 "Business::Other",
                                                 "Business::PIMS & Calendars",
                                                 "Business::Project Management",
                                                 "Business::Vertical Market Apps",
                                                 "Communications::Chat & Instant Messaging",
                                                 "Communications::Dial Up & Connection Tools",
                                                 "Communications::E-Mail Clients",
                                                 "Communications::E-Mail List Management",
                                                 "Communications::Fax Tools",
                                                 "Communications::Newsgroup Clients",
                                                 "Communications::Other Comms Tools",
                                                 "Communications::Other E-Mail Tools",
                                                 "Communications::Pager Tools",
                                                 "Communications::Telephony",
                                                 "Communications::Web/Video Cams",
                                                 "Desktop::Clocks & Alarms",
                                                 "Desktop::Cursors & Fonts",
                                                 "Desktop::Icons",
                                                 "Desktop::Other",
                                                 "Desktop::Screen Savers: Art",
                                                 "Desktop::Screen Savers: Cartoons",
                                                 "Desktop::Screen Savers: Nature",
                                                 "Desktop::Screen Savers: Other",
                                                 "Desktop::Screen Savers: People",
                                                 "Desktop::Screen Savers: Science",
                                                 "Desktop::Screen Savers: Seasonal",
                                                 "Desktop::Screen Savers: Vehicles",
                                                 "Desktop::Themes & Wallpaper",
                                                 "Development::Active X",
                                                 "Development::Basic, VB, VB DotNet",
                                                 "Development::C / C++ / C#",
                                                 "Development::Compilers & Interpreters",
                                                 "Development::Components & Libraries",
                                                 "Development::Debugging",
                                                 "Development::Delphi",
                                                 "Development::Help Tools",
                                                 "Development::Install & Setup",
                                                 "Development::Management & Distribution",
                                                 "Development::Other",
                                                 "Development::Source Editors",
                                                 "Education::Computer",
                                                 "Education::Dictionaries",
                                                 "Education::Geography",
                                                 "Education::Kids",
                                                 "Education::Languages",
                                                 "Education::Mathematics",
                                                 "Education::Other",
                                                 "Education::Reference Tools",
                                                 "Education::Science",
                                                 "Education::Teaching & Training Tools",
                                                 "Games & Entertainment::Action",
                                                 "Games & Entertainment::Adventure & Roleplay",
                                                 "Games & Entertainment::Arcade",
                                                 "Games & Entertainment::Board",
                                                 "Games & Entertainment::Card",
                                                 "Games & Entertainment::Casino & Gambling",
                                                 "Games & Entertainment::Kids",
                                                 "Games & Entertainment::Online Gaming",
                                                 "Games & Entertainment::Other",
                                                 "Games & Entertainment::Puzzle & Word Games",
                                                 "Games & Entertainment::Simulation",
                                                 "Games & Entertainment::Sports",
                                                 "Games & Entertainment::Strategy & War Games",
                                                 "Games & Entertainment::Tools & Editors",
                                                 "Graphic Apps::Animation Tools",
                                                 "Graphic Apps::CAD",
                                                 "Graphic Apps::Converters & Optimizers",
                                                 "Graphic Apps::Editors",
                                                 "Graphic Apps::Font Tools",
                                                 "Graphic Apps::Gallery & Cataloging Tools",
                                                 "Graphic Apps::Icon Tools",
                                                 "Graphic Apps::Other",
                                                 "Graphic Apps::Screen Capture",
                                                 "Graphic Apps::Viewers",
                                                 "Home & Hobby::Astrology/Biorhythms/Mystic",
                                                 "Home & Hobby::Astronomy",
                                                 "Home & Hobby::Cataloging",
                                                 "Home & Hobby::Food & Drink",
                                                 "Home & Hobby::Genealogy",
                                                 "Home & Hobby::Health & Nutrition",
                                                 "Home & Hobby::Other",
                                                 "Home & Hobby::Personal Finance",
                                                 "Home & Hobby::Personal Interest",
                                                 "Home & Hobby::Recreation",
                                                 "Home & Hobby::Religion",
                                                 "Network & Internet::Ad Blockers",
                                                 "Network & Internet::Browser Tools",
                                                 "Network & Internet::Browsers",
                                                 "Network & Internet::Download Managers",
                                                 "Network & Internet::File Sharing/Peer to Peer",
                                                 "Network & Internet::FTP Clients",
                                                 "Network & Internet::Network Monitoring",
                                                 "Network & Internet::Other",
                                                 "Network & Internet::Remote Computing",
                                                 "Network & Internet::Search/Lookup Tools",
                                                 "Network & Internet::Terminal & Telnet Clients",
                                                 "Network & Internet::Timers & Time Synch",
                                                 "Network & Internet::Trace & Ping Tools",
                                                 "Security & Privacy::Access Control",
                                                 "Security & Privacy::Anti-Spam & Anti-Spy Tools",
                                                 "Security & Privacy::Anti-Virus Tools",
                                                 "Security & Privacy::Covert Surveillance",
                                                 "Security & Privacy::Encryption Tools",
                                                 "Security & Privacy::Other",
                                                 "Security & Privacy::Password Managers",
                                                 "Servers::Firewall & Proxy Servers",
                                                 "Servers::FTP Servers",
                                                 "Servers::Mail Servers",
                                                 "Servers::News Servers",
                                                 "Servers::Other Server Applications",
                                                 "Servers::Telnet Servers",
                                                 "Servers::Web Servers",
                                                 "System Utilities::Automation Tools",
                                                 "System Utilities::Backup & Restore",
                                                 "System Utilities::Benchmarking",
                                                 "System Utilities::Clipboard Tools",
                                                 "System Utilities::File & Disk Management",
                                                 "System Utilities::File Compression",
                                                 "System Utilities::Launchers & Task Managers",
                                                 "System Utilities::Other",
                                                 "System Utilities::Printer",
                                                 "System Utilities::Registry Tools",
                                                 "System Utilities::Shell Tools",
                                                 "System Utilities::System Maintenance",
                                                 "System Utilities::Text/Document Editors",
                                                 "Web Development::ASP & PHP",
                                                 "Web Development::E-Commerce",
                                                 "Web Development::Flash Tools",
                                                 "Web Development::HTML Tools",
                                                 "Web Development::Java & JavaScript",
                                                 "Web Development::Log Analysers",
                                                 "Web Development::Other",
                                                 "Web Development::Site Administration",
                                                 "Web Development::Wizards & Components",
                                                 "Web Development::XML/CSS Tools"};

// Program_Specific_Category.
constexpr std::string_view kSpecificCategories[] = {
    "Audio",      "Business", "Development Tools", "Education",     "Games",    "Graphics",
    "Home/Hobby", "Internet", "Miscellaneous",     "Screen Savers", "Utilities"};

// Endings of the download URLs.
constexpr std::string_view kDownloadEndings[] = {
    "air", "apk", "app", "bin", "com",  "exe", "dmg", "hqx", "gz",  "gzip", "jar", "msi", "rar",
    "sea", "sh",  "sis", "sit", "sitx", "tar", "taz", "tgx", "tgz", "uu",   "z",   "zip"};

// Endings of the screenshot and icon URLs.
constexpr std::string_view kImageEndings[] = {"gif", "jpg", "png"};

// Endings of the PAD file URL.
constexpr std::string_view kPadFileEndings[] = {"xml", "cgi", "php", "asp"};

// The URL schemes.
constexpr std::string_view kHttp[] = {"http"};
constexpr std::string_view kHttpOrHttps[] = {"http", "https"};
constexpr std::string_view kHttpOrFtp[] = {"http", "ftp"};
constexpr std::string_view kHttpHttpsOrFtp[] = {"http", "https", "ftp"};

template <size_t N>
constexpr WordList Words(const std::string_view (&words)[N]) {
    return WordList{words, N};
}

// The character classes.
constexpr CharacterSet kNoTagNoTab = CharacterSet::AllBut("<\t");
constexpr CharacterSet kNoTag = CharacterSet::AllBut("<");
constexpr CharacterSet kSingleLine = CharacterSet::AllBut("<\t\n\r");
constexpr CharacterSet kLetters = CharacterSet().With('a', 'z').With('A', 'Z');
constexpr CharacterSet kAddressChars = kLetters.With('0', '9').With(0xBC, 0xFF).With(" .-,#/'");
constexpr CharacterSet kStateChars = kLetters.With('0', '9').With(0xBC, 0xFF).With(" .-,/");
constexpr CharacterSet kCountryChars = kLetters.With(0xBC, 0xFF).With(" '-");
constexpr CharacterSet kDigits = CharacterSet().With('0', '9');
constexpr CharacterSet kDigitsAndDot = kDigits.With(".");
constexpr CharacterSet kYesNo = CharacterSet().With("YyNn");
constexpr CharacterSet kVersionChars = kLetters.With('0', '9').With("_.-");

constexpr PadRule Fixed(std::string_view regex, std::string_view description, RuleShape shape) {
    PadRule rule;
    rule.regex = regex;
    rule.description = description;
    rule.shape = shape;
    return rule;
}

constexpr PadRule Characters(std::string_view regex, std::string_view description,
                             const CharacterSet& characters, uint32_t min, uint32_t max) {
    PadRule rule = Fixed(regex, description, RuleShape::Characters);
    rule.characters = &characters;
    rule.min = min;
    rule.max = max;
    return rule;
}

constexpr PadRule Choice(std::string_view regex, std::string_view description, WordList words,
                         bool emptyAllowed) {
    PadRule rule = Fixed(regex, description, RuleShape::Choice);
    rule.words = words;
    rule.emptyAllowed = emptyAllowed;
    return rule;
}

constexpr PadRule Number(std::string_view regex, std::string_view description, uint32_t width,
                         uint32_t min, uint32_t max, bool emptyAllowed) {
    PadRule rule = Fixed(regex, description, RuleShape::Number);
    rule.width = width;
    rule.min = min;
    rule.max = max;
    rule.emptyAllowed = emptyAllowed;
    return rule;
}

constexpr PadRule TokenList(std::string_view regex, std::string_view description, WordList tokens,
                            std::string_view separators, bool tokenFirst) {
    PadRule rule = Fixed(regex, description, RuleShape::TokenList);
    rule.words = tokens;
    rule.separators = separators;
    rule.tokenFirst = tokenFirst;
    return rule;
}

// Every URL rule has 2 to 120 characters between "://" and the ending.
constexpr PadRule Url(std::string_view regex, std::string_view description, WordList schemes,
                      WordList endings, bool emptyAllowed) {
    PadRule rule = Fixed(regex, description, RuleShape::Url);
    rule.schemes = schemes;
    rule.words = endings;
    rule.min = 2;
    rule.max = 120;
    rule.emptyAllowed = emptyAllowed;
    return rule;
}

constexpr std::string_view kTextString0To40 = "Text string 0-40 characters";
constexpr std::string_view kTextString0To100 = "Text string 0-100 characters";
constexpr std::string_view kTextString2To30 = "Text string 2-30 characters";
constexpr std::string_view kTextString2To40 = "Text string 2-40 characters";

constexpr PadRule kPadVersion =
    Fixed(kReVersion, "Decimal major and minor version numbers with separator (.)",
          RuleShape::VersionNumber);
constexpr PadRule kText0To100 = Characters(kReText0To100, kTextString0To100, kNoTagNoTab, 0, 100);
constexpr PadRule kText0To1000 =
    Characters(kReText0To1000, "Text string 0-1000 characters", kNoTagNoTab, 0, 1000);
constexpr PadRule kText2To40 = Characters(kReText2To40, kTextString2To40, kNoTagNoTab, 2, 40);
constexpr PadRule kAddress1 = Characters(kReAddress1, kTextString0To40, kAddressChars, 0, 40);
constexpr PadRule kAddress2 = Characters(kReAddress2, kTextString0To40, kAddressChars, 0, 40);
constexpr PadRule kCity = Characters(kReCity, kTextString2To40, kAddressChars, 2, 40);
constexpr PadRule kState = Characters(kReState, "Text string 0-30 characters", kStateChars, 0, 30);
constexpr PadRule kText0To20 =
    Characters(kReText0To20, "Text string 0-20 characters", kNoTagNoTab, 0, 20);
constexpr PadRule kCountry =
    Characters(kReCountry, "Text string 2-40 alphabetic", kCountryChars, 2, 40);
constexpr PadRule kHttpUrl311 =
    Url(kReHttp311, "URL http:// + 2-120 characters", Words(kHttp), WordList{}, false);
constexpr PadRule kHttpUrl40 = Url(kReHttp40, "URL http or https:// + 2-120 characters",
                                   Words(kHttpOrHttps), WordList{}, false);
constexpr PadRule kText2To30 = Characters(kReText2To30, kTextString2To30, kNoTagNoTab, 2, 30);
constexpr PadRule kEmail =
    Fixed(kReEmail, "Email address 2-30@2-63.2-20 characters", RuleShape::Email);
constexpr PadRule kPhone = Fixed(
    kRePhone, "Numeric with punctuations (allowed: #*()-/_) 7-40 characters", RuleShape::Phone);
constexpr PadRule kText1To40 =
    Characters(kReText1To40, "Text string 1-40 characters", kNoTagNoTab, 1, 40);
constexpr PadRule kProgramVersion =
    Characters(kReProgramVersion, "Alphanumeric with punctuations (allowed: ._-) 1-15 characters",
               kVersionChars, 1, 15);
constexpr PadRule kMonth = Number(kReMonth, "2 digits 01-12", 2, 1, 12, false);
constexpr PadRule kDay = Number(kReDay, "2 digits 01-31", 2, 1, 31, false);
constexpr PadRule kYear = Number(kReYear, "4 digits 1900-2199", 4, 1900, 2199, false);
constexpr PadRule kAmount =
    Fixed(kReAmount, "Numeric with \".\" as decimal separator", RuleShape::Amount);
constexpr PadRule kCurrency =
    Choice(kReCurrency, "Three letter currency code, must be selected from list",
           Words(kCurrencies), true);
constexpr PadRule kProgramType =
    Choice(kReProgramType, "Program type identifier, must be selected from list",
           Words(kProgramTypes), false);
constexpr PadRule kReleaseStatus =
    Choice(kReReleaseStatus, "Release status identifier, must be selected from list",
           Words(kReleaseStatuses), false);
constexpr PadRule kInstallSupport =
    Choice(kReInstallSupport, "Install support identifier, must be selected from list",
           Words(kInstallSupports), false);
constexpr std::string_view kOperatingSystemsText =
    "Operating system ids, must be selected from list";
constexpr PadRule kOperatingSystems311 = TokenList(kReOperatingSystems311, kOperatingSystemsText,
                                                   Words(kOperatingSystemNames311), ", ", true);
constexpr PadRule kOperatingSystems40 = TokenList(kReOperatingSystems40, kOperatingSystemsText,
                                                  Words(kOperatingSystemNames40), ", ", true);
constexpr PadRule kLanguages =
    TokenList(kReLanguages, "Language identifiers, must be selected from list",
              Words(kLanguageNames), ",", false);
constexpr PadRule kText0To300 =
    Characters(kReText0To300, "Text string 0-300 characters", kNoTagNoTab, 0, 300);
constexpr PadRule kSpecificCategory =
    Choice(kReSpecificCategory, "Category identifier, must be selected from list",
           Words(kSpecificCategories), true);
constexpr PadRule kCategoryClass =
    Choice(kReCategoryClass, "Category class identifier, must be selected from list",
           Words(kCategoryClasses), false);
constexpr PadRule kFileSizeBytes =
    Characters(kReDigits3To16, "Numerical 3-16 digits", kDigits, 3, 16);
constexpr PadRule kFileSizeK =
    Characters(kReDecimal1To12, "Numerical 1-12 digits", kDigitsAndDot, 1, 12);
constexpr PadRule kFileSizeMB =
    Characters(kReDecimal1To8, "Numerical 1-8 digits", kDigitsAndDot, 1, 8);
constexpr PadRule kYesOrNo = Characters(kReYesNo, "Y, y, N, or n", kYesNo, 1, 1);
constexpr PadRule kExpireCount =
    Characters(kReDigits0To15, "Numerical 0-15 digits", kDigits, 0, 15);
constexpr PadRule kExpiryBasis =
    Choice(kReExpiryBasis, "Expiration type identifier, must be selected from list",
           Words(kExpiryBases), true);
constexpr PadRule kExpireMonth = Number(kReExpireMonth, "Numeric 2 digits", 2, 1, 12, true);
constexpr PadRule kExpireDay = Number(kReExpireDay, "Numeric 2 digits", 2, 1, 31, true);
constexpr PadRule kExpireYear =
    Number(kReExpireYear, "Numeric 4 digits (1900-2199)", 4, 1900, 2199, true);
constexpr PadRule kKeywords =
    Characters(kReText0To250, "Text string 0-250 characters", kNoTagNoTab, 0, 250);
constexpr PadRule kLine0To45 =
    Characters(kReLine0To45, "Single line (no breaks, no HTML) text string 0-45 characters",
               kSingleLine, 0, 45);
constexpr PadRule kLine0To80 =
    Characters(kReLine0To80, "Single line (no breaks, no HTML) text string 0-80 characters",
               kSingleLine, 0, 80);
constexpr PadRule kLine0To250 =
    Characters(kReLine0To250, "Single line (no breaks, no HTML) text string 0-250 characters",
               kSingleLine, 0, 250);
constexpr PadRule kLine0To450 =
    Characters(kReLine0To450, "Single line (no breaks, no HTML) text string 0-450 characters",
               kSingleLine, 0, 450);
constexpr PadRule kLines0To2000 = Characters(
    kReLines0To2000, "Multiple lines (no HTML) text string 0-2000 characters", kNoTag, 0, 2000);
constexpr PadRule kLines0To20000 = Characters(
    kReLines0To20000, "Multiple lines (no HTML) text string 0-20000 characters", kNoTag, 0, 20000);
constexpr PadRule kPressReleaseKeywords =
    Characters(kReLine0To250, "0-250 letters/numbers/spaces", kSingleLine, 0, 250);
constexpr PadRule kOrderUrl311 =
    Url(kReOrderUrl, "URL http:// + 2-120 characters (https:// ok too)", Words(kHttpOrHttps),
        WordList{}, true);
constexpr PadRule kOrderUrl40 =
    Url(kReOrderUrl, "URL http or https:// + 2-120 characters (https:// ok too)",
        Words(kHttpOrHttps), WordList{}, true);
constexpr PadRule kImageUrl311 =
    Url(kReImageUrl311, "URL http:// + 2-120 characters with extension gif, jpg, or png",
        Words(kHttp), Words(kImageEndings), false);
constexpr PadRule kImageUrl40 =
    Url(kReImageUrl40, "URL http or https:// + 2-120 characters with extension gif, jpg, or png",
        Words(kHttpOrHttps), Words(kImageEndings), false);
constexpr PadRule kPadFileUrl311 =
    Url(kRePadFileUrl311, "URL http:// + 2-120 characters with extension xml", Words(kHttp),
        Words(kPadFileEndings), false);
constexpr PadRule kPadFileUrl40 =
    Url(kRePadFileUrl40, "URL http or https:// + 2-120 characters with extension xml",
        Words(kHttpOrHttps), Words(kPadFileEndings), false);
constexpr PadRule kPrimaryDownloadUrl311 = Url(
    kReDownloadUrl311, "URL ftp or http:// + 2-120 characters with extension exe, zip, or other",
    Words(kHttpOrFtp), Words(kDownloadEndings), false);
constexpr PadRule kPrimaryDownloadUrl40 =
    Url(kReDownloadUrl40,
        "URL ftp or http or https:// + 2-120 characters with extension exe, zip, or other",
        Words(kHttpHttpsOrFtp), Words(kDownloadEndings), false);
constexpr PadRule kSecondaryDownloadUrl311 =
    Url(kReOtherDownloadUrl311, "URL ftp or http:// + 2-120 characters type=exe, zip, or other",
        Words(kHttpOrFtp), Words(kDownloadEndings), true);
constexpr PadRule kSecondaryDownloadUrl40 = Url(
    kReOtherDownloadUrl40, "URL ftp or http or https:// + 2-120 characters type=exe, zip, or other",
    Words(kHttpHttpsOrFtp), Words(kDownloadEndings), true);
constexpr PadRule kOtherDownloadUrl311 =
    Url(kReOtherDownloadUrl311,
        "URL ftp or http:// + 2-120 characters with extension exe, zip, or other",
        Words(kHttpOrFtp), Words(kDownloadEndings), true);
constexpr PadRule kOtherDownloadUrl40 =
    Url(kReOtherDownloadUrl40,
        "URL ftp or http or https:// + 2-120 characters with extension exe, zip, or other",
        Words(kHttpHttpsOrFtp), Words(kDownloadEndings), true);

// Each element of PadTagTable, in its order, with its rules in PAD 3.11 and
// PAD 4.0; the dropped elements have none.
struct ElementRules {
    std::string_view element;
    const PadRule* pad311;
    const PadRule* pad40;
};

constexpr ElementRules kElements[PadRuleElementCount] = {
    {"MASTER_PAD_VERSION", &kPadVersion, &kPadVersion},
    {"MASTER_PAD_EDITOR", &kText0To100, &kText0To100},
    {"MASTER_PAD_INFO", &kText0To1000, &kText0To1000},
    {"Company_Name", &kText2To40, &kText2To40},
    {"Address_1", &kAddress1, &kAddress1},
    {"Address_2", &kAddress2, &kAddress2},
    {"City_Town", &kCity, &kCity},
    {"State_Province", &kState, &kState},
    {"Zip_Postal_Code", &kText0To20, &kText0To20},
    {"Country", &kCountry, &kCountry},
    {"Company_WebSite_URL", &kHttpUrl311, &kHttpUrl40},
    {"Author_First_Name", &kText2To30, &kText2To30},
    {"Author_Last_Name", &kText2To30, &kText2To30},
    {"Author_Email", &kEmail, &kEmail},
    {"Contact_First_Name", &kText2To30, &kText2To30},
    {"Contact_Last_Name", &kText2To30, &kText2To30},
    {"Contact_Email", &kEmail, &kEmail},
    {"Sales_Email", &kEmail, &kEmail},
    {"Support_Email", &kEmail, &kEmail},
    {"General_Email", &kEmail, &kEmail},
    {"Sales_Phone", &kPhone, &kPhone},
    {"Support_Phone", &kPhone, &kPhone},
    {"General_Phone", &kPhone, &kPhone},
    {"Fax_Phone", &kPhone, &kPhone},
    {"Program_Name", &kText1To40, &kText1To40},
    {"Program_Version", &kProgramVersion, &kProgramVersion},
    {"Program_Release_Month", &kMonth, &kMonth},
    {"Program_Release_Day", &kDay, &kDay},
    {"Program_Release_Year", &kYear, &kYear},
    {"Program_Cost_Dollars", &kAmount, &kAmount},
    {"Program_Cost_Other_Code", &kCurrency, &kCurrency},
    {"Program_Cost_Other", &kAmount, &kAmount},
    {"Program_Type", &kProgramType, &kProgramType},
    {"Program_Release_Status", &kReleaseStatus, &kReleaseStatus},
    {"Program_Install_Support", &kInstallSupport, &kInstallSupport},
    {"Program_OS_Support", &kOperatingSystems311, &kOperatingSystems40},
    {"Program_Language", &kLanguages, &kLanguages},
    {"Program_Change_Info", &kText0To300, &kText0To300},
    {"Program_Specific_Category", &kSpecificCategory, &kSpecificCategory},
    {"Program_Category_Class", &kCategoryClass, &kCategoryClass},
    {"Program_Categories", nullptr, nullptr},
    {"Program_System_Requirements", &kText0To100, &kText0To100},
    {"Includes_JAVA_VM", nullptr, nullptr},
    {"Includes_VB_Runtime", nullptr, nullptr},
    {"Includes_DirectX", nullptr, nullptr},
    {"Filename_Versioned", nullptr, nullptr},
    {"Filename_Previous", nullptr, nullptr},
    {"Filename_Generic", nullptr, nullptr},
    {"Filename_Long", nullptr, nullptr},
    {"File_Size_Bytes", &kFileSizeBytes, &kFileSizeBytes},
    {"File_Size_K", &kFileSizeK, &kFileSizeK},
    {"File_Size_MB", &kFileSizeMB, &kFileSizeMB},
    {"Has_Expire_Info", &kYesOrNo, &kYesOrNo},
    {"Expire_Count", &kExpireCount, &kExpireCount},
    {"Expire_Based_On", &kExpiryBasis, &kExpiryBasis},
    {"Expire_Other_Info", &kText0To100, &kText0To100},
    {"Expire_Month", &kExpireMonth, &kExpireMonth},
    {"Expire_Day", &kExpireDay, &kExpireDay},
    {"Expire_Year", &kExpireYear, &kExpireYear},
    {"Keywords", &kKeywords, &kKeywords},
    {"Char_Desc_45", &kLine0To45, &kLine0To45},
    {"Char_Desc_80", &kLine0To80, &kLine0To80},
    {"Char_Desc_250", &kLine0To250, &kLine0To250},
    {"Char_Desc_450", &kLine0To450, &kLine0To450},
    {"Char_Desc_2000", &kLines0To2000, &kLines0To2000},
    {"Application_Info_URL", &kHttpUrl311, &kHttpUrl40},
    {"Application_Order_URL", &kOrderUrl311, &kOrderUrl40},
    {"Application_Screenshot_URL", &kImageUrl311, &kImageUrl40},
    {"Application_Icon_URL", &kImageUrl311, &kImageUrl40},
    {"Application_XML_File_URL", &kPadFileUrl311, &kPadFileUrl40},
    {"Primary_Download_URL", &kPrimaryDownloadUrl311, &kPrimaryDownloadUrl40},
    {"Secondary_Download_URL", &kSecondaryDownloadUrl311, &kSecondaryDownloadUrl40},
    {"Additional_Download_URL_1", &kOtherDownloadUrl311, &kOtherDownloadUrl40},
    {"Additional_Download_URL_2", &kOtherDownloadUrl311, &kOtherDownloadUrl40},
    {"Distribution_Permissions", &kLines0To2000, &kLines0To2000},
    {"EULA", &kLines0To20000, &kLines0To20000},
};

bool IsElement(int32_t tagNumber) {
    return tagNumber >= 0 && tagNumber < PadRuleElementCount;
}

}  // namespace

std::string_view PadVersionName(PadVersion version) {
    return version == PadVersion::Pad40 ? "4.0" : "3.11";
}

std::string_view PadRuleElementName(int32_t tagNumber) {
    return IsElement(tagNumber) ? kElements[tagNumber].element : std::string_view();
}

const PadRule* PadElementRule(PadVersion version, int32_t tagNumber) {
    if (!IsElement(tagNumber)) return nullptr;
    const ElementRules& rules = kElements[tagNumber];
    return version == PadVersion::Pad40 ? rules.pad40 : rules.pad311;
}

bool IsRemovedPadElement(int32_t tagNumber) {
    return IsElement(tagNumber) && kElements[tagNumber].pad311 == nullptr;
}

const PadRule& PressReleaseKeywordsRule() {
    return kPressReleaseKeywords;
}

}  // namespace quillot
