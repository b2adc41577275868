#include "catalogue/TrackRows.h"

#include <array>

namespace kvpm {
namespace {

// soundtrack, track, title, section id, sound name
constexpr std::array<TrackRow, 158> kRows{{
    // 1 Velmora
    {1, 1, "Velmora Rising", "VELRISE", "velrise"},
    {1, 2, "Cold Iron Dawn", "COLDIRON", "coldiron"},
    {1, 3, "Marsh Lights", "MARSHLT", "marshlt"},
    {1, 4, "The Drowned Bell", "DROWNBEL", "drownbel"},
    {1, 5, "Fen Wardens", "FENWARD", "fenward"},
    {1, 6, "Blood & Brass", "BLOODBRS", "bloodbrs"},
    {1, 7, "Reed Fires", "REEDFIRE", "reedfire"},
    {1, 8, "Heron's Watch", "HERONWCH", "heronwch"},
    {1, 9, "Lowtide Siege", "LOWTIDE", "lowtide"},
    {1, 10, "Grey Causeway", "CAUSEWAY", "causeway"},
    {1, 11, "Silt and Silence", "SILTSIL", "siltsil"},
    {1, 12, "Pale Standard", "PALESTD", "palestd"},
    {1, 13, "The Ninth Lock", "NINTHLOCK", "ninthlk"},
    {1, 14, "Mire Engines", "MIREENG", "mireeng"},
    {1, 15, "Velmoran Requiem", "VELMORANREQ", "vrequiem"},
    {1, 16, "Bog Iron", "BOGIRON", "bogiron"},
    {1, 17, "Cistern Dark", "CISTERN", "cistern"},
    {1, 18, "Wet Powder", "WETPOWDR", "wetpowdr"},
    {1, 19, "Lantern Ferry", "LFERRY", "lferry"},
    {1, 20, "Old Levee Road", "LEVEERD", "leveerd"},
    {1, 21, "Last Light on the Fen", "LASTLITE", "lastlite"},

    // 2 Quillan
    {2, 1, "Quillan Highlands", "QHIGHLND", "QHIGHLND"},
    {2, 2, "Ember Watch", "EMBERWCH", "EMBERWCH"},
    {2, 3, "Stone Shepherds", "STONESHP", "STONESHP"},
    {2, 4, "Cairn Wind", "CAIRNWND", "CAIRNWND"},
    {2, 5, "The Slate Pass", "SLATEPAS", "SLATEPAS"},
    {2, 6, "High Crag Muster", "CRAGMUST", "CRAGMUST"},
    {2, 7, "Goat Path at Dusk", "GOATPATH", "GOATPATH"},
    {2, 8, "Thunder in the Shale", "SHALETHUNDER", "SHALETHN"},
    {2, 9, "Watchfire No. 3", "WATCHFR3", "WATCHFR3"},
    {2, 10, "Quarry Drums", "QDRUMS", "QDRUMS"},
    {2, 11, "Iron Crown Vigil", "CROWNVIG", "CROWNVIG"},
    {2, 12, "Avalanche Hour", "AVALANCH", "AVALANCH"},
    {2, 13, "Hearth & Hammer", "HEARTHHM", "HEARTHHM"},
    {2, 14, "Summit Oath", "SUMMITOA", "SUMMITOA"},

    // 3 Brannoch
    {3, 1, "Brannoch Foundry", "BFOUNDRY", "bfoundry"},
    {3, 2, "Cold Iron Dawn", "BRCOLDIRON", "brcold"},
    {3, 3, "Coal Smoke Anthem", "COALSMK", "coalsmk"},
    {3, 4, "The Long Retreat", "LONGRETR", "longretr"},
    {3, 5, "Rivets and Ruin", "RIVETRUIN", "rivruin"},
    {3, 6, "Slag Heap Charge", "SLAGHEAP", "slagheap"},
    {3, 7, "Bellows Hymn", "BELLOWS", "bellows"},
    {3, 8, "Piston Heart", "PISTONHT", "pistonht"},
    {3, 9, "Ironclad Procession", "IRONCLAD", "ironclad"},
    {3, 10, "The Crucible Burns", "CRUCIBLE", "crucible"},
    {3, 11, "Sector 9 Falls", "SECTOR9", "sector9"},
    {3, 12, "Furnace Choir", "FURNACEC", "furnacec"},
    {3, 13, "Chain Yard", "CHAINYRD", "chainyrd"},
    {3, 14, "Steam & Shrapnel", "STEAMSHR", "steamshr"},
    {3, 15, "Smelter's Lament", "SMELTLAM", "smeltlam"},
    {3, 16, "Black Chimneys", "CHIMNEYS", "chimneys"},
    {3, 17, "Anvil Night", "ANVILNGT", "anvilngt"},
    {3, 18, "Gear Teeth", "GEARTEETH", "gearteth"},
    {3, 19, "Cinder Road", "CINDERRD", "cinderrd"},
    {3, 20, "Cinder Road (Reprise)", "CINDERRP", "cinderrp"},
    {3, 21, "Works Whistle", "WHISTLE", "whistle"},
    {3, 22, "Molten March", "MOLTENMR", "moltenmr"},
    {3, 23, "Brannoch Ablaze", "BABLAZE", "bablaze"},

    // 4 Sollet
    {4, 1, "Sollet Sun", "SOLSUN", "SolSun"},
    {4, 2, "Lanterns Below", "LANTERNS", "Lanterns"},
    {4, 3, "Dune Sentries", "DUNESENT", "DuneSent"},
    {4, 4, "Mirage Column", "MIRAGECOL", "Mirage"},
    {4, 5, "Dry Well Parley", "DRYWELL", "DryWell"},
    {4, 6, "Glass Sand", "GLASSAND", "GlasSand"},
    {4, 7, "Oasis at Noon", "OASIS", "Oasis"},
    {4, 8, "Sunscorch*", "SCORCH", "Scorch"},

    // 5 Tarvik
    {5, 1, "Tarvik Frost", "TVFROST", "TVFROST"},
    {5, 2, "Salt and Smoke", "SALTSMK", "SALTSMK"},
    {5, 3, "Ice Floe Vanguard", "FLOEVAN", "FLOEVAN"},
    {5, 4, "Whalebone Gate", "WHALEBONE", "WHALEGT"},
    {5, 5, "Snowblind Crossing", "SNOWBLND", "SNOWBLND"},
    {5, 6, "The Frozen Ledger", "LEDGER", "LEDGER"},
    {5, 7, "Aurora Over Tarvik", "AURORA", "AURORA"},
    {5, 8, "1047 Winter", "WINTER47", "WINTER47"},

    // 6 Ombrith
    {6, 1, "Ombrith Shade", "OMSHADE", "omshade"},
    {6, 2, "Cold Iron Dawn", "OMIRON", "omiron"},
    {6, 3, "Glass Meridian", "MERIDIAN", "meridian"},
    {6, 4, "Root and Ruin", "ROOTRUIN", "rootruin"},
    {6, 5, "Moth Court", "MOTHCOURT", "mothct"},
    {6, 6, "The Hollow King", "HOLLOWKG", "hollowkg"},
    {6, 7, "Umbral Tithe", "TITHE", "tithe"},
    {6, 8, "Lichen Crown", "LICHEN", "lichen"},
    {6, 9, "Witch-Light Procession", "WITCHLT", "witchlt"},
    {6, 10, "Thornwall Stand", "THORNWAL", "thornwal"},
    {6, 11, "Silent Canopy", "CANOPY", "canopy"},
    {6, 12, "Deepwood Muster", "DEEPWOOD", "deepwood"},
    {6, 13, "Owl's Verdict", "OWLVERD", "owlverd"},
    {6, 14, "Shadow Tax", "SHADOWTX", "shadowtx"},
    {6, 15, "Barrow Lamps", "BARROWLAMPS", "barlamps"},
    {6, 16, "Fungal Bloom", "FUNGAL", "fungal"},
    {6, 17, "Grave Moss", "GRAVMOSS", "gravmoss"},
    {6, 18, "Veil of Ombrith", "OMVEIL", "omveil"},
    {6, 19, "The Quiet Blade", "QUIETBLD", "quietbld"},
    {6, 20, "Nettle Oath", "NETTLE", "nettle"},
    {6, 21, "Dark Harvest Moon", "HARVMOON", "harvmoon"},

    // 7 Pellow
    {7, 1, "Pellow Fields", "PFIELDS", "PFields"},
    {7, 2, "Lanterns Below", "PWLANTRN", "PwLantrn"},
    {7, 3, "Plough Blades", "PLOUGHBL", "PloughBl"},
    {7, 4, "Haystack Ambush", "HAYAMBUSH", "Ambush"},
    {7, 5, "Millwheel Turning", "MILLWHL", "MillWhl"},
    {7, 6, "Scarecrow Legion", "SCARECRW", "ScareCrw"},
    {7, 7, "Orchard Burning", "ORCHARD", "Orchard"},
    {7, 8, "Ten Thousand Sheaves", "SHEAVES", "Sheaves"},
    {7, 9, "The Miller's Daughter", "MILLDAUG", "MillDaug"},
    {7, 10, "Harvest of Spears", "SPEARS", "Spears"},

    // 8 Harrowgate
    {8, 1, "Harrow's Reach [HG Intro Theme]", "HarrowsReach", "HReach"},
    {8, 2, "The Long Retreat", "Retreat", "Retreat"},
    {8, 3, "Gallows Hill", "Gallows", "Gallows"},
    {8, 4, "Harrowgate Walls", "HgWalls", "HgWalls"},
    {8, 5, "Crows Over Kestmoor", "Kestmoor", "Kestmoor"},
    {8, 6, "Mercenary Coin", "MercCoin", "MercCoin"},
    {8, 7, "Siege Ladders", "Ladders", "Ladders"},
    {8, 8, "The Turning Wheel [HG Loading Theme]", "HGLOADER", "HgWheel"},
    {8, 9, "Pike and Shot Line", "PikeShot", "PikeShot"},
    {8, 10, "Burnt Charter", "Charter", "Charter"},
    {8, 11, "Moat Fog", "MoatFog", "MoatFog"},
    {8, 12, "The Gatekeeper's Due", "GateDue", "GateDue"},
    {8, 13, "Trebuchet Psalm", "Trebuch", "Trebuch"},
    {8, 14, "Night of the Harrowing", "Harrowng", "Harrowng"},
    {8, 15, "Roll of the Fallen [HG Score Theme]", "HGSCORE", "HgRoll"},
    {8, 16, "Harrowgate Closing [HG Credits Theme]", "HGCREDITS", "HgEnd"},

    // 9 Harrowgate: Korvale
    {9, 1, "Korvale Ascendant", "Ascend", "Ascend"},
    {9, 2, "Quarn [KV Intro Theme]", "Quarn", "Quarn"},
    {9, 3, "Glass Meridian", "Meridn", "Meridn"},
    {9, 4, "Nightward March", "KvMarch", "KvMarch"},
    {9, 5, "Tamber Kit [KV Loading Theme]", "TamberKit", "Tamber"},
    {9, 6, "Ashen Covenant", "Covenant", "Covenant"},
    {9, 7, "Salt and Smoke", "KvSalt", "KvSalt"},
    {9, 8, "Spire of Korvale", "Spire", "Spire"},
    {9, 9, "Score Theme [KV Score Theme]", "KVSCORE", "ScoreX"},
    {9, 10, "Credits Theme [KV Credits Theme]", "KVCREDITS", "OptionX"},

    // 10 Zephran
    {10, 1, "Zephran Skies", "ZSKIES", "zskies"},
    {10, 2, "Ember Watch", "ZEMBER", "zember"},
    {10, 3, "Salt and Smoke", "ZSALT", "zsalt"},
    {10, 4, "Kite Corsairs", "CORSAIRS", "corsairs"},
    {10, 5, "Windlass Anthem", "WINDLASS", "windlass"},
    {10, 6, "Storm Ballast", "BALLAST", "ballast"},
    {10, 7, "Altitude Sickness", "ALTITUDE", "altitude"},
    {10, 8, "Gale Front", "GALEFRNT", "galefrnt"},
    {10, 9, "Cloud Harbour", "CLOUDHARBOUR", "harbour"},
    {10, 10, "Thermal Rise", "THERMAL", "thermal"},
    {10, 11, "Sky Anchor", "SKYANCHR", "skyanchr"},
    {10, 12, "Balloon Fleet at Dawn", "BALLOONS", "balloons"},
    {10, 13, "Tempest Wardens", "TEMPEST", "tempest"},
    {10, 14, "The Zephran Accord", "ACCORD", "accord"},
    {10, 15, "Falling Gondola", "GONDOLA", "gondola"},
    {10, 16, "Crosswind Duel", "XWINDDUEL", "duel"},
    {10, 17, "Vane & Compass", "VANECOMP", "vanecomp"},
    {10, 18, "High Air Requiem", "HAREQ", "hareq"},
    {10, 19, "Lightning Rods", "LIGHTROD", "lightrod"},
    {10, 20, "Mr. Halloran's Ascent", "HALLORAN", "halloran"},

    // 11 Harrowgate Extra Tracks
    {11, 1, "Gallows Hill (Extended)", "XGALLOWS", "XGALLOWS"},
    {11, 2, "Harrowgate Outtake No. 2", "OUTTAKE2", "OUTTAKE2"},
    {11, 3, "Kestmoor Crows*", "XKESTMR", "XKESTMR"},

    // 12 Korvale: Nightward
    {12, 1, "Nightward March", "NWMARCH", "NwMarch"},
    {12, 2, "Lamplighter's Vigil", "LAMPVIGIL", "Vigil"},
    {12, 3, "Midnight Parapet", "PARAPET", "Parapet"},
    {12, 4, "Dawn Never Came", "NEVERDWN", "NeverDwn"},
}};

}  // namespace

std::span<const TrackRow> GameTrackRows() { return kRows; }

}  // namespace kvpm
