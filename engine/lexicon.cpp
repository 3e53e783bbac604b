#include "internal/lexicon.h"

namespace zefnaro::lexicon {

std::string_view copticEntry(long long key, bool standaloneTen, bool masculine) {
    switch (key) {
    case 1:
        return masculine ? "ouai#way" : "ou`i#wee";
    case 2:
        return masculine ? "`cnau#esnav" : "`cnou]#esnwti";
    case 3:
        return masculine ? "somt#shomt" : "som]#shomti";
    case 4:
        return masculine ? "`ftoou#eftow" : "`ftoe#eftoai";
    case 5:
        return masculine ? "tiou#tiw" : "tie#tiay";
    case 6:
        return masculine ? "coou#sow" : "co#so";
    case 7:
        return masculine ? "sasf#shashf" : "sasfi#shashfi";
    case 8:
        return masculine ? "`smyn#eshmeen" : "`smyni#eshmeeni";
    case 9:
        return masculine ? "'it#pseet" : "'i]#pseeti";
    case 10:
        if (!standaloneTen) return "met#met";
        return masculine ? "myt#meet" : "my]#meeti";
    case 20:
        return masculine ? "jwt#goot" : "jw]#gooti";
    case 30:
        return "map#map";
    case 40:
        return "`hme#ehmay";
    case 50:
        return "teoui#taiwy";
    case 60:
        return "ce#say";
    case 70:
        return "`sbe#eshvay";
    case 80:
        return "qamne#khamnay";
    case 90:
        return "picteoui#pestaiwy";
    case 100:
        return "se#shay";
    case 1000:
        return "so#sho";
    case 1000000:
        return "so`nso#shoensho";
    case particle:
        return "`n#en";
    case conjunction:
        return "nem#nem";
    case ordinalPrefix:
        return "mah#mah";
    case first:
        return masculine ? "houit#hwyt" : "houi]#hwyti";
    default:
        return {};
    }
}

std::string_view englishEntry(long long key) {
    switch (key) {
    case 1:
        return "One#First";
    case 2:
        return "Two#Second";
    case 3:
        return "Three#Third";
    case 4:
        return "Four#Fourth";
    case 5:
        return "Five#Fifth";
    case 6:
        return "Six#Sixth";
    case 7:
        return "Seven#Seventh";
    case 8:
        return "Eight#Eighth";
    case 9:
        return "Nine#Ninth";
    case 10:
        return "Ten#Tenth";
    case 11:
        return "Eleven#Eleventh";
    case 12:
        return "Twelve#Twelfth";
    case 13:
        return "Thirteen#Thirteenth";
    case 14:
        return "Fourteen#Fourteenth";
    case 15:
        return "Fifteen#Fifteenth";
    case 16:
        return "Sixteen#Sixteenth";
    case 17:
        return "Seventeen#Seventeenth";
    case 18:
        return "Eighteen#Eighteenth";
    case 19:
        return "Nineteen#Nineteenth";
    case 20:
        return "Twenty#Twentieth";
    case 30:
        return "Thirty#Thirtieth";
    case 40:
        return "Forty#Fortieth";
    case 50:
        return "Fifty#Fiftieth";
    case 60:
        return "Sixty#Sixtieth";
    case 70:
        return "Seventy#Seventieth";
    case 80:
        return "Eighty#Eightieth";
    case 90:
        return "Ninety#Ninetieth";
    case 100:
        return "Hundred#Hundredth";
    case 1000:
        return "Thousand#Thousandth";
    case 1000000:
        return "Million#Millionth";
    default:
        return {};
    }
}

} // namespace zefnaro::lexicon
