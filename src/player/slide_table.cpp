// The built-in show: 34 slides, each a photograph and five caption lines.
// Used by the player (start-up fills the table, the controls step through it)
// and by the show generator in content/, which renders each photograph.
//
// The show runs 0, 33, 32, ... 1, so entry 0 is the first picture and
// entry 1 the last. Every caption line is filled out with spaces, because
// the font advances one cell per character and the spaces place the words.
#include "player/slide_table.h"

namespace {

// The one empty line that every slide with fewer than five lines refers to.
const char blank_line[] = "                       ";
// A fifth line that draws nothing, shared by two slides.
const char six_tabs[] = "\t\t\t\t\t\t";

const Slide slides[SLIDE_COUNT] = {
    // 0: picture 1 of the show
    {"images\\tidewire_title.jpg",
     {"      TIDEWIRE 24      ",
      "A REPORT IN 34 PICTURES",
      blank_line,
      " THREE DAYS OF PIXELS, ",
      "  MUSIC AND SALT AIR.  "}},
    // 1: picture 34 of the show
    {"images\\lighthouse.jpg",
     {"   GOODBYE, LANNICK.   ",
      "SEE YOU AT TIDEWIRE 25.",
      blank_line,
      blank_line,
      blank_line}},
    // 2: picture 33 of the show
    {"images\\ferry_dusk.jpg",
     {" THE LAST FERRY OF THE ",
      " DAY LEAVES THE SOUND. ",
      blank_line,
      blank_line,
      blank_line}},
    // 3: picture 32 of the show
    {"images\\road_home.jpg",
     {"  THE ROAD HOME, INTO  ",
      "   THE EVENING SUN.    ",
      blank_line,
      blank_line,
      blank_line}},
    // 4: picture 31 of the show
    {"images\\packing_up.jpg",
     {" PACKING UP. THE HALL  ",
      " IS A HALL AGAIN, AND  ",
      "   VERY, VERY QUIET.   ",
      blank_line,
      blank_line}},
    // 5: picture 30 of the show
    {"images\\group_photo.jpg",
     {"  ALL OF US, IN FRONT  ",
      "     OF THE HALL.      ",
      "      SAY CHEESE.      ",
      blank_line,
      blank_line}},
    // 6: picture 29 of the show
    {"images\\trophy.jpg",
     {" THE TROPHY: A LITTLE  ",
      "   BRASS LIGHTHOUSE,   ",
      "  CAST IN LANNICK BY   ",
      "  THE HARBOUR SMITH.   ",
      blank_line}},
    // 7: picture 28 of the show
    {"images\\prizegiving.jpg",
     {"  SUNDAY, 14:00. THE   ",
      "  PRIZE-GIVING: GOLD,  ",
      " SILVER AND BRONZE FOR ",
      "  EVERY COMPETITION.   ",
      blank_line}},
    // 8: picture 27 of the show
    {"images\\concert.jpg",
     {" SATURDAY NIGHT LIVE:  ",
      "  TWO SYNTHS, A DRUM   ",
      "  MACHINE AND LASERS.  ",
      blank_line,
      blank_line}},
    // 9: picture 26 of the show
    {"images\\voting.jpg",
     {" VOTING: EVERY VISITOR ",
      " HAS ONE CODE AND FIVE ",
      "    POINTS TO GIVE.    ",
      blank_line,
      blank_line}},
    // 10: picture 25 of the show
    {"images\\crowd.jpg",
     {" THE WINNING DEMO GETS ",
      "  A STANDING OVATION   ",
      "   FROM 400 PEOPLE.    ",
      blank_line,
      blank_line}},
    // 11: picture 24 of the show
    {"images\\demo_compo.jpg",
     {" THE DEMO COMPETITION. ",
      "LIGHTS DOWN, SOUND UP: ",
      "  TUNNELS, CUBES AND   ",
      "    A LOT OF BASS.     ",
      blank_line}},
    // 12: picture 23 of the show
    {"images\\pixel_art.jpg",
     {"  PIXEL ART LIVE: ONE  ",
      " HOUR, 16 COLOURS AND  ",
      "   A LIGHTHOUSE ON A   ",
      "      STORMY SEA.      ",
      blank_line}},
    // 13: picture 22 of the show
    {"images\\coffee.jpg",
     {"  THE MOST IMPORTANT   ",
      "MACHINE OF THE WEEKEND:",
      "  THE COFFEE MACHINE.  ",
      " 1400 CUPS IN 3 DAYS.  ",
      blank_line}},
    // 14: picture 21 of the show
    {"images\\sunrise_sea.jpg",
     {" SUNDAY, 6:10. SUNRISE ",
      "  OVER THE SOUND FOR   ",
      " THOSE WHO NEVER WENT  ",
      "        TO BED.        ",
      blank_line}},
    // 15: picture 20 of the show
    {"images\\sleeping.jpg",
     {"   THE QUIET CORNER:   ",
      "  SLEEPING BAGS UNDER  ",
      "  THE TABLES, SNORING  ",
      "    OVER THE FANS.     ",
      blank_line}},
    // 16: picture 19 of the show
    {"images\\harbour_moon.jpg",
     {" MIDNIGHT ON THE QUAY. ",
      "  A FULL MOON, A COLD  ",
      "  WIND AND SOMEBODY'S  ",
      "RADIO PLAYING CHIPTUNES.",
      blank_line}},
    // 17: picture 18 of the show
    {"images\\graphics_compo.jpg",
     {" GRAPHICS COMPETITION: ",
      "A WINTER VALLEY, DRAWN ",
      " PIXEL BY PIXEL, TAKES ",
      "     FIRST PLACE.      ",
      blank_line}},
    // 18: picture 17 of the show
    {"images\\music_compo.jpg",
     {" MUSIC COMPETITION: 17 ",
      "  ENTRIES, FROM PIANO  ",
      " PIECES TO PURE NOISE. ",
      blank_line,
      blank_line}},
    // 19: picture 16 of the show
    {"images\\synth.jpg",
     {"THE MUSIC CORNER. KNOBS,",
      "CABLES, HEADPHONES AND ",
      "  A LOOP THAT PLAYED   ",
      "    FOR SIX HOURS.     ",
      blank_line}},
    // 20: picture 15 of the show
    {"images\\seminar.jpg",
     {"SATURDAY MORNING TALK: ",
      " 'SOUND FROM NOTHING - ",
      "  SYNTHESIS IN 4 KB'   ",
      "      BY LOWTIDE.      ",
      blank_line}},
    // 21: picture 14 of the show
    {"images\\noodle_stall.jpg",
     {"  THE NOODLE STALL BY  ",
      "   THE DOOR SOLD 900   ",
      "  BOWLS. THE SOUP WAS  ",
      " HOT, THE QUEUE LONG.  ",
      blank_line}},
    // 22: picture 13 of the show
    {"images\\hall_night.jpg",
     {" 2 IN THE MORNING. THE ",
      " LIGHTS ARE OFF - THE  ",
      "   SCREENS ARE NOT.    ",
      blank_line,
      blank_line}},
    // 23: picture 12 of the show
    {"images\\opening.jpg",
     {"  FRIDAY, 20:00. THE   ",
      "HOSTS OPEN TIDEWIRE 24 ",
      " UNDER FOUR BLUE SPOTS ",
      "   AND ONE RED ONE.    ",
      blank_line}},
    // 24: picture 11 of the show
    {"images\\big_screen.jpg",
     {"THE BIG SCREEN GOES UP:",
      " SIX METRES WIDE, HUNG ",
      "  FROM THE OLD CRANE   ",
      "  RAILS OF THE HALL.   ",
      blank_line}},
    // 25: picture 10 of the show
    {"images\\machine.jpg",
     {"A CLOSE LOOK AT ONE OF ",
      "  THE OLDER MACHINES:  ",
      " 8 MHZ, 512 KILOBYTES  ",
      "AND STILL IN THE RACE. ",
      blank_line}},
    // 26: picture 9 of the show
    {"images\\hall_filling.jpg",
     {" BY EVENING EVERY DESK ",
      "  GLOWS. SOMEONE HAS   ",
      " BROUGHT A LAVA LAMP,  ",
      "    SOMEONE A FERN.    ",
      blank_line}},
    // 27: picture 8 of the show
    {"images\\setup_desk.jpg",
     {" SETTING UP. THE FIRST ",
      "  HOUR IS ALWAYS THE   ",
      " SAME: WHO HAS GOT THE ",
      "    EXTENSION LEAD.    ",
      blank_line}},
    // 28: picture 7 of the show
    {"images\\empty_hall.jpg",
     {"400 SEATS, 200 TABLES, ",
      "  ONE VERY LONG POWER  ",
      "  CABLE AND NOT YET A  ",
      "     SINGLE SOUND.     ",
      blank_line}},
    // 29: picture 6 of the show
    {"images\\entrance.jpg",
     {" A QUEUE AT THE DOOR.  ",
      "EVERYONE GETS A BADGE, ",
      "   A WRISTBAND AND A   ",
      "     TABLE NUMBER.     ",
      blank_line}},
    // 30: picture 5 of the show
    {"images\\ferry_hall.jpg",
     {"  THE OLD FERRY HALL,  ",
      " BUILT 1911, EMPTY FOR ",
      " YEARS - AND FOR THREE ",
      "    DAYS OUR HOME.     ",
      six_tabs}},
    // 31: picture 4 of the show
    {"images\\first_sea.jpg",
     {" NOON: THE FIRST SIGHT ",
      "  OF THE SEA. LANNICK  ",
      " SOUND LIES BELOW US,  ",
      "   GREY AND SILVER.    ",
      blank_line}},
    // 32: picture 3 of the show
    {"images\\road_north.jpg",
     {"FOUR HOURS NORTH ON THE",
      " OLD COAST ROAD, OVER  ",
      " THE HILLS OF CARRAN,  ",
      "  WHERE THE FOG HANGS  ",
      "\t   LIKE WET WOOL.   "}},
    // 33: picture 2 of the show
    {"images\\departure.jpg",
     {"  FRIDAY, 5:40 IN THE  ",
      "  MORNING. THE VAN IS  ",
      " PACKED WITH MONITORS, ",
      "  CABLES AND COFFEE.   ",
      six_tabs}},
};

}  // namespace

SlideTable slide_table;

void build_slide_table() {
  for (std::uint32_t k = 0; k < SLIDE_COUNT; ++k) slide_table.entries[k] = &slides[k];
}
