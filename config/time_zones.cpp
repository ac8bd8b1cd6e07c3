#include "config/time_zones.h"

namespace motrevix::config {

const std::array<TimeZoneRow, kTimeZoneRowCount> g_strTimeZones = {{
    {"GMT-12:00 Eniwetok, Kwajalein", -720},
    {"GMT-11:00 Midway Island, Samoa", -660},
    {"GMT-10:00 Hawaii", -600},
    {"GMT-09:00 Alaska", -540},
    {"GMT-08:00 Pacific Time (US & Canada), Tijuana", -480},
    {"GMT-07:00 Mountain Time (US & Canada), Arizona", -420},
    {"GMT-06:00 Central Time (US & Canada), Mexico City", -360},
    {"GMT-05:00 Eastern Time (US & Canada), Bogota, Lima, Quito", -300},
    {"GMT-04:00 Atlantic Time (Canada), Caracas, La Paz", -240},
    {"GMT-03:30 Newfoundland and Labrador", -210},
    {"GMT-03:00 Brasilia, Buenos Aires, Georgetown", -180},
    {"GMT-02:00 Mid-Atlantic, Ascension Is., St. Helena", -120},
    {"GMT-01:00 Azores, Cape Verde Islands", -60},
    {"GMT       London, Lisbon, Dublin, Edinburgh, Casablanca", 0},
    {"GMT+01:00 Berlin,Rome,Madrid,Amsterdam,Budapest,Prague,Paris,Bern,Oslo,Stockholm,"
     "Copenhagen,Brussels,Ljubljana,Vienna,Zagreb,Bratislava",
     60},
    {"GMT+02:00 Athens,Istanbul,Harare,Minsk,Cairo,Vilnius,Riga,Helsinki,Sofia,Tallinn,"
     "Jerusalem,Kiev",
     120},
    {"GMT+03:00 Riyadh,Kuwait,Baghdad,Nairobi", 180},
    {"GMT+03:30 Tehran", 210},
    {"GMT+04:00 Moscow,Abu Dhabi,Baku,Yerevan", 240},
    {"GMT+04:30 Kabul", 270},
    {"GMT+05:00 Ekaterinburg,Tashkent", 300},
    {"GMT+05:30 India,New Delhi,Colombo", 330},
    {"GMT+06:00 Astana,Dhaka", 360},
    {"GMT+07:00 Krasnoyarsk,Bangkok,Jakarta,Hanoi,Phnom Penh", 420},
    {"GMT+08:00 Beijing,Singapore,Hong Kong SAR,Kuala Lumpur,Macau,Manila,Taipei,Ulaanbaatar", 480},
    {"GMT+09:00 Seoul,Tokyo", 540},
    {"GMT+09:30 Darwin,Adelaide", 570},
    {"GMT+10:00 Canberra,Melbourne,Sydney,Brisbane", 600},
    {"GMT+11:00 Magadan,Solomon Islands,New Caledonia", 660},
    {"GMT+12:00 Fiji Islands,Kamchatka,Marshall Islands,Wellington", 720},
}};

int TimeZoneRowForOffset(int minutes) {
  for (int row = 0; row < kTimeZoneRowCount; ++row)
    if (g_strTimeZones[row].minutes == minutes) return row;
  return kGmtTimeZoneRow;
}

int TimeZoneOffsetForRow(int row) {
  if (row < 0 || row >= kTimeZoneRowCount) return 0;
  return g_strTimeZones[row].minutes;
}

int TimeZoneRowForCaption(std::string_view caption) {
  for (int row = 0; row < kTimeZoneRowCount; ++row)
    if (g_strTimeZones[row].caption == caption) return row;
  return kNoTimeZoneRow;
}

}  // namespace motrevix::config
