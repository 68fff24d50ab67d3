#pragma once

#include <vector>

// The query set of the Czech search benchmark: words of tax, accounting and labour law, each with
// the forms that count as the word (written out by hand), the text typed and the group it
// belongs to.
struct CzechQuery {
    const char* typed;
    const char* forms; // separated by spaces
    const char* group;
};

inline const std::vector<CzechQuery>& czechQueries() {
    static const std::vector<CzechQuery> queries{
        {"daň", "daň daně dani daní daněmi daních daním", "lemma"},
        {"příjem", "příjem příjmu příjmů příjmy příjmem příjmech příjmům", "lemma"},
        {"smlouva", "smlouva smlouvy smlouvě smlouvu smlouvou smluv smlouvám smlouvách smlouvami",
         "lemma"},
        {"daňový",
         "daňový daňová daňové daňového daňovému daňovém daňovým daňových daňovými "
         "daňoví daňovou",
         "lemma"},
        {"fyzický",
         "fyzický fyzická fyzické fyzického fyzickému fyzickém fyzickým fyzických "
         "fyzickými fyzičtí fyzickou",
         "lemma"},
        {"povinný",
         "povinný povinná povinné povinného povinnému povinném povinným povinných "
         "povinnými povinnou povinní povinen povinna povinno povinni povinny",
         "lemma"},
        {"poplatník",
         "poplatník poplatníka poplatníku poplatníkovi poplatníkem poplatníci "
         "poplatníků poplatníkům poplatníky poplatnících",
         "lemma"},
        {"zaměstnanec",
         "zaměstnanec zaměstnance zaměstnanci zaměstnancem zaměstnanců "
         "zaměstnancům zaměstnancích",
         "lemma"},
        {"zaměstnavatel",
         "zaměstnavatel zaměstnavatele zaměstnavateli zaměstnavatelem "
         "zaměstnavatelé zaměstnavatelů zaměstnavatelům zaměstnavatelích",
         "lemma"},
        {"účetní", "účetní účetního účetnímu účetním účetních účetními", "lemma"},
        {"účetnictví", "účetnictví účetnictvím", "lemma"},
        {"jednotka",
         "jednotka jednotky jednotce jednotku jednotkou jednotek jednotkám jednotkách "
         "jednotkami",
         "lemma"},
        {"majetek", "majetek majetku majetkem majetky majetků majetkům majetcích", "lemma"},
        {"výdaj", "výdaj výdaje výdaji výdajem výdajů výdajům výdajích", "lemma"},
        {"náklad", "náklad nákladu nákladem náklady nákladů nákladům nákladech", "lemma"},
        {"mzda", "mzda mzdy mzdě mzdu mzdou mezd mzdám mzdách mzdami", "lemma"},
        {"pojistné",
         "pojistný pojistná pojistné pojistného pojistnému pojistném pojistným "
         "pojistných pojistnými pojistnou pojistní",
         "lemma"},
        {"odpis", "odpis odpisu odpisem odpisy odpisů odpisům odpisech", "lemma"},
        {"sazba", "sazba sazby sazbě sazbu sazbou sazeb sazbám sazbách sazbami", "lemma"},
        {"základ", "základ základu základě základem základy základů základům základech", "lemma"},
        {"plátce", "plátce plátci plátcem plátců plátcům plátcích", "lemma"},
        {"zdaňovací", "zdaňovací zdaňovacího zdaňovacímu zdaňovacím zdaňovacích zdaňovacími",
         "lemma"},
        {"období", "období obdobím obdobích obdobími", "lemma"},
        {"hodnota",
         "hodnota hodnoty hodnotě hodnotu hodnotou hodnot hodnotám hodnotách "
         "hodnotami",
         "lemma"},
        {"pojištění", "pojištění pojištěním pojištěních", "lemma"},
        {"činnost", "činnost činnosti činností činnostem činnostech činnostmi", "lemma"},
        {"zisk", "zisk zisku ziskem zisky zisků ziskům ziscích", "lemma"},
        {"ztráta", "ztráta ztráty ztrátě ztrátu ztrátou ztrát ztrátám ztrátách ztrátami", "lemma"},
        {"odpočet", "odpočet odpočtu odpočtem odpočty odpočtů odpočtům odpočtech", "lemma"},
        {"lhůta", "lhůta lhůty lhůtě lhůtu lhůtou lhůt lhůtám lhůtách lhůtami", "lemma"},
        {"osvobozený",
         "osvobozený osvobozená osvobozené osvobozeného osvobozenému osvobozeném "
         "osvobozeným osvobozených osvobozenými osvobozenou osvobození osvobozen osvobozena "
         "osvobozeno osvobozeni osvobozeny",
         "lemma"},
        {"rezident",
         "rezident rezidenta rezidentu rezidentovi rezidentem rezidenti rezidentů "
         "rezidentům rezidenty rezidentech",
         "lemma"},
        {"pracovní", "pracovní pracovního pracovnímu pracovním pracovních pracovními", "lemma"},
        {"závislý",
         "závislý závislá závislé závislého závislému závislém závislým závislých "
         "závislými závislou závislí",
         "lemma"},
        {"pozemek", "pozemek pozemku pozemkem pozemky pozemků pozemkům pozemcích", "lemma"},
        {"stavba", "stavba stavby stavbě stavbu stavbou staveb stavbám stavbách stavbami", "lemma"},
        {"vozidlo", "vozidlo vozidla vozidlu vozidlem vozidel vozidlům vozidlech vozidly", "lemma"},
        {"příspěvek",
         "příspěvek příspěvku příspěvkem příspěvky příspěvků příspěvkům "
         "příspěvcích",
         "lemma"},
        {"osoba", "osoba osoby osobě osobu osobou osob osobám osobách osobami", "lemma"},
        // Typed without diacritics, not Czech words themselves.
        {"dan", "daň daně dani daní daněmi daních daním", "plain"},
        {"prijmu", "příjem příjmu příjmů příjmy příjmem příjmech příjmům", "plain"},
        {"smlouve", "smlouva smlouvy smlouvě smlouvu smlouvou smluv smlouvám smlouvách smlouvami",
         "plain"},
        {"zamestnanec",
         "zaměstnanec zaměstnance zaměstnanci zaměstnancem zaměstnanců "
         "zaměstnancům zaměstnancích",
         "plain"},
        {"danovy",
         "daňový daňová daňové daňového daňovému daňovém daňovým daňových daňovými "
         "daňoví daňovou",
         "plain"},
        // Pairs that differ only in diacritics: each side must not find the other.
        {"byt", "byt bytu bytem byty bytů bytům bytech", "pair"},
        {"být", "být je jsou jsem jsme jste byl byla bylo byli byly bude budou", "pair"},
        {"rada", "rada rady radě radu radou rad radám radách radami", "pair"},
        {"řada", "řada řady řadě řadu řadou řad řadám řadách řadami", "pair"},
        {"cena", "cena ceny ceně cenu cenou cen cenám cenách cenami", "pair"},
        {"cenný", "cenný cenná cenné cenného cennému cenném cenným cenných cennými cennou", "pair"},
    };
    return queries;
}
