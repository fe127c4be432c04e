#pragma once

// Every language key in reading order with its Czech default (windows-1250
// bytes written as escapes) and how its "\N" pairs are treated:
//   Plain  - kept literally;
//   Breaks - each "\N" becomes a carriage return;
//   Bulk   - as Breaks; menus show the caption on one line (CR -> blank),
//            tool-button hints keep the line breaks.
// X(key, czechDefault, conversion)
#define CUEFOLD_LANGUAGE_KEYS(X) \
    X(MenuFile, "&Soubor", Plain) \
    X(MenuNew, "&Nov\xFD", Plain) \
    X(MenuOpen, "&Otev\xF8\xEDt...", Plain) \
    X(MenuSave, "&Ulo\x9Eit", Plain) \
    X(MenuSaveAs, "Ulo\x9Eit j&ako...", Plain) \
    X(MenuExport, "&Export...", Plain) \
    X(MenuProperties, "&Vlastnosti...", Plain) \
    X(MenuOptions, "Na&staven\xED...", Plain) \
    X(MenuExit, "&Konec", Plain) \
    X(MenuEdit, "\xDApr&avy", Plain) \
    X(MenuUndo, "&Zp\xECt", Plain) \
    X(MenuCut, "&Vyjmout", Plain) \
    X(MenuCopy, "&Kop\xEDrovat", Plain) \
    X(MenuPaste, "V&lo\x9Eit", Plain) \
    X(MenuSelectAll, "Vybr&at v\x9A" "e", Plain) \
    X(MenuUndoWholeLine, "Z&p\xECt cel\xE9ho titulku", Plain) \
    X(HintUndoWholeLine, "Vr\xE1t\xED cel\xFD titulek do p\xF9vodn\xEDho stavu, v jak\xE9m byl\\Np\xF8i Otev\xF8" "en\xED nebo p\xF8i posledn\xEDm Ulo\x9E" "en\xED", Breaks) \
    X(MenuSearch, "&Vyhled\xE1v\xE1n\xED", Plain) \
    X(MenuFind, "&Naj\xEDt...", Plain) \
    X(MenuFindNext, "N&aj\xEDt dal\x9A\xED", Plain) \
    X(MenuShowTable, "Zobrazit p\xF8" "e&hledov\xE9 okno", Plain) \
    X(MenuHideTable, "Skr\xFDt p\xF8" "e&hledov\xE9 okno", Plain) \
    X(MenuSubtitle, "&Titulek", Plain) \
    X(MenuGoTo, "P\xF8" "e&j\xEDt na titulek...", Plain) \
    X(MenuFirstFrame, "Po\xE8\xE1&te\xE8n\xED sn\xEDmek", Plain) \
    X(MenuLastFrame, "&Koncov\xFD sn\xEDmek", Plain) \
    X(MenuEditLine, "&Editace textu", Plain) \
    X(MenuLockLine, "&Zamknout titulek", Plain) \
    X(MenuMarkLine, "&Ozna\xE8it titulek", Plain) \
    X(MenuDirectSpeech, "Uvodit Dialog", Plain) \
    X(MenuDirectSpeechRemove, "Odstranit uvozen\xED Dialogu", Plain) \
    X(MenuBreakLeft, "Posunout zalomen\xED o slovo v&levo", Plain) \
    X(MenuBreakRight, "Posunout zalomen\xED o slovo v&pravo", Plain) \
    X(MenuSecondBreakLeft, "Posunout dru&h\xE9 zalomen\xED vlevo", Plain) \
    X(MenuSecondBreakRight, "Posunout druh\xE9 z&alomen\xED vpravo", Plain) \
    X(MenuBreakRemove, "Odstranit zalo&men\xED z titulku", Plain) \
    X(MenuInsertLine, "Vlo\x9E&it pr\xE1zdn\xFD titulek p\xF8" "ed sou\xE8" "asn\xFD", Plain) \
    X(MenuAddLine, "P\xF8idat pr\xE1zdn\xFD titulek za sou\xE8" "asn\xFD", Plain) \
    X(MenuSplitLine, "Rozd\xEClit na &dvou\xF8\xE1" "dkov\xFD titulek", Plain) \
    X(MenuSplit1Line, "Rozd\xEClit &na jedno\xF8\xE1" "dkov\xFD titulek", Plain) \
    X(MenuMergeLines, "&Spojit titulek s n\xE1sleduj\xED" "c\xEDm", Plain) \
    X(MenuDeleteLine, "Zr&u\x9Ait titulek", Plain) \
    X(HintIndexDec, "P\xF8" "edchoz\xED titulek", Breaks) \
    X(HintIndexInc, "N\xE1sleduj\xED" "c\xED titulek", Breaks) \
    X(MenuCommon, "&Hromadn\xE9 operace", Plain) \
    X(MenuShiftTitle, "Po&sunout titulky od aktu\xE1ln\xEDho titulku do konce souboru", Bulk) \
    X(MenuShiftTitleTo, "&Nastavit titulky od aktu\xE1ln\xEDho titulku do konce souboru", Bulk) \
    X(MenuEnlargeTitle, "Pro&dlou\x9Eit titulky od aktu\xE1ln\xEDho titulku do konce souboru", Bulk) \
    X(MenuDepressDelay, "Za&celit mezi v\x9A" "emi sousedn\xEDmi titulky kr\xE1tk\xE9 prodlevy", Bulk) \
    X(MenuInsertDelay, "&Vlo\x9Eit mezi v\x9A" "echny sousedn\xED titulky prodlevu", Bulk) \
    X(MenuRecalculateSubtitle, "&P\xF8" "epo\xE8\xEDtat titulky podle dvou synchroniza\xE8n\xED" "ch bod\xF9", Bulk) \
    X(MenuRemoveLineWrappings, "Odst&ranit v\x9A" "echna zalomen\xED z titulk\xF9", Bulk) \
    X(MenuRepairOverlaps, "&Opravit \xE8" "asov\xEC se p\xF8" "ekr\xFDvaj\xED" "c\xED titulky", Bulk) \
    X(MenuAccept, "A&kceptovat opraven\xFD p\xF8" "ekryv a naj\xEDt dal\x9A\xED opravu", Bulk) \
    X(MenuLockAll, "Za&mknout v\x9A" "echny titulky", Bulk) \
    X(MenuUnlockAll, "Odemkno&ut v\x9A" "echny titulky", Bulk) \
    X(MenuUnmarkAll, "Odo&zna\xE8it v\x9A" "echny titulky", Bulk) \
    X(MenuAnalyzeWidths, "&Analyzovat \x9A\xED\xF8ky titulk\xF9 a \xF8\xE1" "dek", Bulk) \
    X(MenuTestSpeed, "O&testovat r\xF9zn\xE9 rychlosti \xE8ten\xED titulk\xF9", Bulk) \
    X(MenuRecalcPerSpeed, "P\xF8&epo\xE8\xEDtat titulky podle stanoven\xE9 rychlosti \xE8ten\xED", Bulk) \
    X(MenuSetFPS, "Nastav&it po\xE8" "et sn\xEDmk\xF9 za sekundu", Bulk) \
    X(MenuPlayer, "&P\xF8" "ehr\xE1va\xE8", Plain) \
    X(MenuShowPlayer, "Zobrazi&t", Plain) \
    X(MenuHidePlayer, "Skr\xFD&t", Plain) \
    X(MenuZoom, "V&elikost", Plain) \
    X(MenuClose, "&Zav\xF8\xEDt", Plain) \
    X(MenuSync, "&Obraz sleduje titulky", Plain) \
    X(MenuPlayPause, "&Spustit/Pozastavit", Plain) \
    X(MenuStop, "Zastavit", Plain) \
    X(MenuStepBackB, "P\xF8" "evinout o ", Plain) \
    X(MenuStepBackE, "sec &zp\xECt", Plain) \
    X(MenuStepForwardB, "P\xF8" "evinout o", Plain) \
    X(MenuStepForwardE, "sec &vp\xF8" "ed", Plain) \
    X(MenuStep1Back, "P\xF8" "evinout o 1 sn\xEDmek zp\xEC&t", Plain) \
    X(MenuStep1Forward, "P\xF8" "evinout o 1 sn\xEDmek vp\xF8" "e&d", Plain) \
    X(MenuLocateSubtitle, "&Naj\xEDt titulek v Editoru", Plain) \
    X(MenuSeekPlayer, "P\xF8" "evinout P\xF8" "e&hr\xE1va\xE8 na za\xE8\xE1tek titulku", Plain) \
    X(MenuSeekPlayerToEOT, "P\xF8" "evinout P\xF8" "ehr\xE1va\xE8 na &konec titulku", Plain) \
    X(MenuCopyFrame, "Zkop\xED&rovat \xE8\xEDslo sn\xEDmku do schr\xE1nky", Plain) \
    X(MenuCaptureFrameNumber, "Zachytit \xE8\xEDslo sn\xED&mku", Plain) \
    X(MenuPlayerAutomate, "A&utomation", Plain) \
    X(MenuOpenVideoFile, "Otev\xF8i vi&deosoubor", Plain) \
    X(HintPlay, "Spustit\\N(Shift+Ctrl+mezera)", Breaks) \
    X(HintPause, "Pozastavit\\N(Shift+Ctrl+te\xE8ka)", Breaks) \
    X(HintLocateSubtitle, "Naj\xEDt titulek v Editoru\\N(Ctrl+F9)", Breaks) \
    X(HintSeekPlayer, "P\xF8" "evinout P\xF8" "ehr\xE1va\xE8 na za\xE8\xE1tek titulku\\N(Ctrl+F10)", Breaks) \
    X(HintSeekPlayerToEOT, "P\xF8" "evinout P\xF8" "ehr\xE1va\xE8 na konec titulku\\N(Ctrl+F11)", Breaks) \
    X(MenuGirder, "&Girder", Plain) \
    X(MenuGirderInUse, "&Vyu\x9Eit", Plain) \
    X(MenuHelp, "&N\xE1pov\xEC" "da", Plain) \
    X(MenuHelpMain, "&N\xE1pov\xEC" "da...", Plain) \
    X(MenuHistory, "&Historie...", Plain) \
    X(MenuWeb, "&WWW programu (download)", Plain) \
    X(MenuMirror, "WWW &programu (mirror)", Plain) \
    X(MenuHome, "Dom\xE1" "c\xED &str\xE1nka autora", Plain) \
    X(MenuEmail, "&E-mail autorovi", Plain) \
    X(MenuParticipants, "&Spolupracovali...", Plain) \
    X(MenuAbout, "&O programu...", Plain) \
    X(HeadLine, "Titulek", Plain) \
    X(EditCurrentLineIndex, "Po\xF8" "adov\xE9 \xE8\xEDslo titulku", Breaks) \
    X(EditFirstFrame, "Po\xE8\xE1te\xE8n\xED sn\xEDmek zobrazen\xED titulku", Breaks) \
    X(EditLastFrame, "Koncov\xFD sn\xEDmek zobrazen\xED titulku", Breaks) \
    X(EditSubtitle, "Text titulku", Breaks) \
    X(OpenDialogTitle, "Otev\xF8\xEDt titulky", Plain) \
    X(OpenMovieDialogTitle, "Otev\xF8\xEDt videosoubor", Plain) \
    X(SaveDialogTitle, "Ulo\x9Eit titulky", Plain) \
    X(ExportDialogTitle, "Exportovat titulky", Plain) \
    X(DialogsFilterTitle, "Titulky MicroDVD (*.TXT;*.SUB)|*.TXT;*.SUB|V\x9A" "echny soubory (*.*)|*.*", Plain) \
    X(DialogsFilterMovie, "Video soubory (*.AVI;*.ASF;*.IVF;*.MPG;*.MPE;*.MPEG;*.M1V;*.MP2;*.MPV2;*.MP2V;*.MOV;*.QT;*.VMW;*.MKV;*.MP4;*.M4V;*.WEBM;*.OGV;*.WMV)|*.AVI;*.ASF;*.IVF;*.MPG;*.MPE;*.MPEG;*.M1V;*.MP2;*.MPV2;*.MP2V;*.MOV;*.QT;*.VMW;*.MKV;*.MP4;*.M4V;*.WEBM;*.OGV;*.WMV|V\x9A" "echny soubory (*.*)|*.*", Plain) \
    X(StatusBarPanel0, "Aktu\xE1ln\xED sn\xEDmek:", Plain) \
    X(DefaultNewName, "Nepojmenovan\xFD", Plain) \
    X(DiscardChanges, "Zahodit zm\xECny?", Breaks) \
    X(LineIsMarked, "\xF8\xE1" "dku m\xE1\x9A ozna\xE8kov\xE1nu!\\NOpravdu zav\xF8\xEDt?", Breaks) \
    X(LinesIsMarked, "\xF8\xE1" "dky m\xE1\x9A ozna\xE8kov\xE1ny!\\NOpravdu zav\xF8\xEDt?", Breaks) \
    X(LinesAreMarked, "\xF8\xE1" "dek m\xE1\x9A ozna\xE8kov\xE1no!\\NOpravdu zav\xF8\xEDt?", Breaks) \
    X(OptionsCaption, "Nastaven\xED", Plain) \
    X(OptionsButtonSaveCaption, "Ulo\x9Eit", Plain) \
    X(OptionsButtonFontCaption, "Font", Plain) \
    X(OptionsButtonCancelCaption, "Storno", Plain) \
    X(OptionsGroupBoxProgramCaption, "Program", Plain) \
    X(OptionsGroupBoxEditorCaption, "Editor", Plain) \
    X(OptionsGroupBoxPlayerCaption, "P\xF8" "ehr\xE1va\xE8", Plain) \
    X(OptionsLabelDelayFramesCaption, "sn\xEDmky - implicitn\xED prodleva mezi titulky", Plain) \
    X(OptionsLabelDelayFramesHint, "Po\xE8" "et sn\xEDmk\xF9, o kter\xE9 se implicitn\xEC\\Nodd\xECluj\xED sousedn\xED titulky", Breaks) \
    X(OptionsLabelRewindAfterSaveCaption, "sec zp\xECt p\xF8" "evinout P\xF8" "ehr\xE1va\xE8 po p\xF8\xEDkazu Ulo\x9Eit", Plain) \
    X(OptionsLabelRewindAfterSaveHint, "O kolik sekund se P\xF8" "ehr\xE1va\xE8 po ulo\x9E" "en\xED vr\xE1t\xED,\\Nne\x9E znovu spust\xED p\xF8" "ehr\xE1v\xE1n\xED", Breaks) \
    X(OptionsLabelWindStepCaption, "sec krok p\xF8i p\xF8" "ev\xEDjen\xED", Plain) \
    X(OptionsLabelWindStepHint, "O kolik sekund p\xF8" "ev\xEDjej\xED p\xF8\xEDkazy\\NP\xF8" "evinout zp\xECt a P\xF8" "evinout vp\xF8" "ed", Breaks) \
    X(OptionsLabelOpenPathCaption, "Implicitn\xED slo\x9Eka pro \"Otev\xF8\xEDt...\"", Plain) \
    X(OptionsLabelSavePathCaption, "Implicitn\xED slo\x9Eka pro \"Ulo\x9Eit\" a \"Ulo\x9Eit jako...\"", Plain) \
    X(OptionsLabelExportPathCaption, "Implicitn\xED slo\x9Eka pro \"Export...\"", Plain) \
    X(OptionsLabelPathOK, "OK", Plain) \
    X(OptionsLabelPathFail, "Nespr\xE1vn\xE1", Plain) \
    X(OptionsButtonPathBrowseHint, "Vybrat slo\x9Eku", Breaks) \
    X(OptionsButtonPathVerifyHint, "Ov\xEC\xF8it, zda slo\x9Eka existuje", Breaks) \
    X(OptionsCheckBoxShowAllHintsHint, "Zobrazovat bublinovou n\xE1pov\xEC" "du\\Nu v\x9A" "ech ovl\xE1" "dac\xED" "ch prvk\xF9", Breaks) \
    X(OptionsCheckBoxForm1SaveWindowPositionHint, "Pamatovat si polohu a velikost hlavn\xEDho okna,\\Npomocn\xFD" "ch oken a panel\xF9 n\xE1stroj\xF9", Breaks) \
    X(OptionsCheckBoxTableSaveWindowPositionHint, "Pamatovat si polohu a velikost p\xF8" "ehledov\xE9ho okna,\\Npo\xF8" "ad\xED a \x9A\xED\xF8ky jeho sloupc\xF9", Breaks) \
    X(OptionsCheckBoxTableAutoShowHint, "Po spu\x9At\xECn\xED programu zobrazit p\xF8" "ehledov\xE9 okno", Breaks) \
    X(OptionsCheckBoxCreateBAKfilesHint, "P\xF8i ukl\xE1" "d\xE1n\xED ponechat p\xF9vodn\xED soubor\\Njako \xE8\xEDslovanou z\xE1lohu .BAK", Breaks) \
    X(OptionsCheckBoxAutoNoSaveHint, "Automatizace zapisuje \xE8\xEDsla sn\xEDmk\xF9\\Nbez ukl\xE1" "d\xE1n\xED souboru", Breaks) \
    X(OptionsCheckBoxPlayerAlwaysOnTopHint, "Okno P\xF8" "ehr\xE1va\xE8" "e z\xF9st\xE1v\xE1 nad ostatn\xEDmi okny", Breaks) \
    X(OptionsCheckBoxPlayerAutoPlayAfterSaveHint, "Po ulo\x9E" "en\xED titulk\xF9 znovu na\xE8\xEDst videosoubor\\Na spustit p\xF8" "ehr\xE1v\xE1n\xED", Breaks) \
    X(OptionsCheckBoxPlayerSaveWindowPositionHint, "Pamatovat si polohu okna P\xF8" "ehr\xE1va\xE8" "e\\Na velikost obrazu", Breaks) \
    X(OptionsCheckBoxPlayerSendAllEventsHint, "P\xF8" "ehr\xE1va\xE8 pos\xEDl\xE1 programu v\x9A" "echny sv\xE9 ud\xE1losti", Breaks) \
    X(OptionsCheckBoxShowToolbarFileCaption, "Panel n\xE1stroj\xF9 - Soubor", Plain) \
    X(OptionsCheckBoxShowToolbarEditCaption, "Panel n\xE1stroj\xF9 - \xDApravy", Plain) \
    X(OptionsCheckBoxShowToolbarSearchCaption, "Panel n\xE1stroj\xF9 - Vyhled\xE1v\xE1n\xED", Plain) \
    X(OptionsCheckBoxShowToolbarTitleCaption, "Panel n\xE1stroj\xF9 - Titulek", Plain) \
    X(OptionsCheckBoxShowToolbarCommonCaption, "Panel n\xE1stroj\xF9 - Hromadn\xE9 operace", Plain) \
    X(OptionsCheckBoxShowToolbarPlayerCaption, "Panel n\xE1stroj\xF9 - P\xF8" "ehr\xE1va\xE8", Plain) \
    X(OptionsCheckBoxShowAllHintsCaption, "Bublinov\xE1 n\xE1pov\xEC" "da", Plain) \
    X(OptionsCheckBoxForm1SaveWindowPositionCaption, "Pamatovat polohu oken", Plain) \
    X(OptionsCheckBoxTableSaveWindowPositionCaption, "Pamatovat polohu p\xF8" "ehledov\xE9ho okna", Plain) \
    X(OptionsCheckBoxTableAutoShowCaption, "Zobrazit p\xF8" "ehledov\xE9 okno po spu\x9At\xECn\xED", Plain) \
    X(OptionsCheckBoxAutoNoSaveCaption, "Automatizace bez ukl\xE1" "d\xE1n\xED", Plain) \
    X(OptionsCheckBoxCreateBAKfilesCaption, "Vytv\xE1\xF8" "et z\xE1lo\x9En\xED soubory (.BAK)", Plain) \
    X(OptionsCheckBoxPlayerAlwaysOnTopCaption, "V\x9E" "dy na vrchu (omezen\xE9 mo\x9Enosti)", Plain) \
    X(OptionsCheckBoxPlayerAutoPlayAfterSaveCaption, "Po ulo\x9E" "en\xED znovu p\xF8" "ehr\xE1vat", Plain) \
    X(OptionsCheckBoxPlayerShowDisplayCaption, "Zobrazit informa\xE8n\xED panel", Plain) \
    X(OptionsCheckBoxPlayerAutoRewindCaption, "Na konci videa p\xF8" "evinout na za\xE8\xE1tek", Plain) \
    X(OptionsCheckBoxPlayerSaveWindowPositionCaption, "Pamatovat polohu P\xF8" "ehr\xE1va\xE8" "e", Plain) \
    X(OptionsCheckBoxPlayerSendAllEventsCaption, "Pos\xEDlat v\x9A" "echny ud\xE1losti", Plain) \
    X(TableCaption, "P\xF8" "ehled", Plain) \
    X(TableCheckBoxColumnsAutoWidth, "Automaticky p\xF8izp\xF9sobit \x9A\xED\xF8ku sloupc\xF9", Plain) \
    X(TableLine, "#", Plain) \
    X(TableFirst, "Od", Plain) \
    X(TableLast, "Do", Plain) \
    X(TableTitle, "Titulek", Plain) \
    X(TableLock, "Z\xE1mek", Plain) \
    X(TableMark, "Zna\xE8ka", Plain) \
    X(TableError, "Chyba", Plain) \
    X(TableFind1, "N\xE1lez 1", Plain) \
    X(TableFind2, "N\xE1lez 2", Plain) \
    X(True, "Ano", Plain) \
    X(False, "Ne", Plain) \
    X(OK, "OK", Plain) \
    X(FileReadFile, "Na\xE8ten\xFD soubor", Plain) \
    X(FileMovieFile, "Uka\x9E vlastnosti p\xF8idru\x9E" "en\xE9ho videosouboru", Plain) \
    X(FileFileSize, "Velikost souboru:", Plain) \
    X(FileBytes, "bajt\xF9", Plain) \
    X(FileAttributes, "Atributy souboru:", Plain) \
    X(FileSyntaxErrors, "Po\xE8" "et syntaktick\xFD" "ch chyb:", Plain) \
    X(FileRecalculatedLines, "Po\xE8" "et titulk\xF9 bez uveden\xE9ho koncov\xE9ho sn\xEDmku:", Plain) \
    X(FileOverlaps, "Po\xE8" "et \xE8" "asov\xEC se p\xF8" "ekr\xFDvaj\xED" "c\xED" "ch titulk\xF9:", Plain) \
    X(FileFPS, "Po\xE8" "et sn\xEDmk\xF9 za sekundu:", Plain) \
    X(FileLines, "Po\xE8" "et titulk\xF9:", Plain) \
    X(FileEmptyLines, "Po\xE8" "et pr\xE1zdn\xFD" "ch titulk\xF9:", Plain) \
    X(FileLockedLines, "Po\xE8" "et zam\xE8" "en\xFD" "ch titulk\xF9:", Plain) \
    X(FileMarkedLines, "Po\xE8" "et ozna\xE8" "en\xFD" "ch titulk\xF9:", Plain) \
    X(FileChangedLines, "Po\xE8" "et zm\xECn\xECn\xFD" "ch titulk\xF9:", Plain) \
    X(FileDirectShow, "DirectShow Subtitler DivXG400 vyu\x9Eit:", Plain) \
    X(FileAuxFolder, "Pomocn\xE1 slo\x9Eka DivXG400:", Plain) \
    X(OverlapsReport1, "Po\xE8" "et nalezen\xFD" "ch a opraven\xFD" "ch \xE8" "asov\xFD" "ch p\xF8" "ekryv\xF9:", Plain) \
    X(OverlapsReport2, "Naj\xEDt prvn\xED opraven\xE9 m\xEDsto?", Plain) \
    X(FindDialogCaption, "Vyhled\xE1v\xE1n\xED", Plain) \
    X(FindNoErr, "\x8E\xE1" "dn\xE9 chyby", Breaks) \
    X(FindErrDone, "\x8E\xE1" "dn\xE9 dal\x9A\xED chyby", Breaks) \
    X(FindNoRecalculated, "\x8E\xE1" "dn\xFD automaticky dopo\xE8ten\xFD konec titulku nebyl nalezen", Breaks) \
    X(FindRecalculatedDone, "\x8E\xE1" "dn\xFD dal\x9A\xED automaticky dopo\xE8ten\xFD konec titulku nebyl nalezen", Breaks) \
    X(FindNoEmpty, "\x8E\xE1" "dn\xFD pr\xE1zdn\xFD titulek nebyl nalezen", Breaks) \
    X(FindEmptyDone, "\x8E\xE1" "dn\xFD dal\x9A\xED pr\xE1zdn\xFD titulek nebyl nalezen", Breaks) \
    X(FindNoLocked, "\x8E\xE1" "dn\xFD zam\xE8" "en\xFD titulek nebyl nalezen", Breaks) \
    X(FindLockedDone, "\x8E\xE1" "dn\xFD dal\x9A\xED zam\xE8" "en\xFD titulek nebyl nalezen", Breaks) \
    X(FindNoMarked, "\x8E\xE1" "dn\xFD ozna\xE8" "en\xFD titulek nebyl nalezen", Breaks) \
    X(FindMarkedDone, "\x8E\xE1" "dn\xFD dal\x9A\xED ozna\xE8" "en\xFD titulek nebyl nalezen", Breaks) \
    X(FindNoChanged, "\x8E\xE1" "dn\xFD zm\xECn\xECn\xFD titulek nebyl nalezen", Breaks) \
    X(FindChangedDone, "\x8E\xE1" "dn\xFD dal\x9A\xED zm\xECn\xECn\xFD titulek nebyl nalezen", Breaks) \
    X(FindNoText, "Hledan\xFD text nebyl nalezen", Breaks) \
    X(FindTextDone, "\x8E\xE1" "dn\xFD dal\x9A\xED hledan\xFD text nebyl nalezen", Breaks) \
    X(FindTextHint, "Zadej text, kter\xFD m\xE1 b\xFDt vyhled\xE1n", Breaks) \
    X(FindNoCrLf, "\x8E\xE1" "dn\xFD takov\xFD titulek nebyl nalezen", Breaks) \
    X(FindCrLfDone, "\x8E\xE1" "dn\xFD dal\x9A\xED takov\xFD titulek nebyl nalezen", Breaks) \
    X(FindCrLfHint, "Zadej po\xE8" "et \xF8\xE1" "dek (zalomen\xED titulku)", Breaks) \
    X(FindCrLfText, "Limit po\xE8tu \xF8\xE1" "dek titulku", Breaks) \
    X(FindWhatCaption, "Vyhled\xE1v\xE1n\xED", Plain) \
    X(FindRadioGroupCaption, "Co hledat", Plain) \
    X(Find0, "Titulky se &synaktickou chybou v z\xE1pisu \xE8\xEDsla sn\xEDmku ve vstupn\xEDm souboru", Plain) \
    X(Find1, "Titulky ve vstupn\xEDm souboru &bez uveden\xE9ho koncov\xE9ho sn\xEDmku", Plain) \
    X(Find2, "&Pr\xE1zdn\xE9 titulky", Plain) \
    X(Find3, "&Zam\xE8" "en\xE9 titulky", Plain) \
    X(Find4, "&Ozna\xE8" "en\xE9 titulky", Plain) \
    X(Find5, "Z&m\xECn\xECn\xE9 titulky", Plain) \
    X(Find6, "\xC8" "aso&v\xEC se p\xF8" "ekr\xFDvaj\xED" "c\xED titulky", Plain) \
    X(Find7, "Chybn\xE1 &interpunk\xE8n\xED znam\xE9nka", Plain) \
    X(Find8, "&Text v titulc\xED" "ch", Plain) \
    X(Find9, "Tit&ulky s v\xECt\x9A\xEDm po\xE8tem \xF8\xE1" "dek ne\x9E je nastaven\xFD limit", Plain) \
    X(FindCheckBoxCase, "&Rozli\x9Aovat mal\xE1 a velk\xE1 p\xEDsmena", Plain) \
    X(FindButtonFindCaption, "Naj\xEDt", Plain) \
    X(FindButtonCancelCaption, "Storno", Plain) \
    X(BrowseFolderCaption, "V\xFD" "b\xECr slo\x9Eky", Plain) \
    X(BrowseFolderLabelCaption, "N\xE1zev slo\x9Eky nelze pou\x9E\xEDt", Plain) \
    X(BrowseFolderButtonOKCaption, "OK", Plain) \
    X(BrowseFolderButtonCancelCaption, "Storno", Plain) \
    X(BrowseFolderShellTreeViewHint, "\x8Aipkami nebo my\x9A\xED vyber slo\x9Eku", Breaks) \
    X(OperationsButtonDoThis, "&Prove\xEF", Plain) \
    X(OperationsButtonCancel, "Storno", Plain) \
    X(OperationsFrameShift0, "Manipulace se sn\xEDmky - POSUN", Plain) \
    X(OperationsFrameShift1, "Vlo\x9E po\xE8" "et sn\xEDmk\xF9, o kolik m\xE1 b\xFDt posun proveden:", Plain) \
    X(OperationsFrameShift2, "- kladn\xE9 \xE8\xEDslo pro posun ke konci (titulky p\xF8" "edb\xEDhaj\xED d\xECj)", Plain) \
    X(OperationsFrameShift3, "- z\xE1porn\xE9 \xE8\xEDslo pro posun k za\xE8\xE1tku (d\xECj p\xF8" "edb\xEDh\xE1 titulky)", Plain) \
    X(OperationsFrameShift4, "po\xE8" "et sn\xEDmk\xF9", Plain) \
    X(OperationsFrameShiftTo0, "Manipulace se sn\xEDmky - POSUN NA POZICI", Plain) \
    X(OperationsFrameShiftTo1, "Vlo\x9E \xE8\xEDslo sn\xEDmku, na kter\xFD m\xE1 b\xFDt aktu\xE1ln\xED titulek posunut:", Plain) \
    X(OperationsFrameShiftTo2, "- \xE8\xEDslo v\xECt\x9A\xED ne\x9E aktu\xE1ln\xED OD pro posun ke konci (titulky p\xF8" "edb\xEDhaj\xED d\xECj)", Plain) \
    X(OperationsFrameShiftTo3, "- \xE8\xEDslo men\x9A\xED ne\x9E aktu\xE1ln\xED OD pro posun k za\xE8\xE1tku (d\xECj p\xF8" "edb\xEDh\xE1 titulky)", Plain) \
    X(OperationsFrameShiftTo4, "\xE8\xEDslo sn\xEDmku", Plain) \
    X(OperationsFrameEnlarge0, "Manipulace se sn\xEDmky - PRODLOU\x8E" "EN\xCD", Plain) \
    X(OperationsFrameEnlarge1, "Vlo\x9E po\xE8" "et sn\xEDmk\xF9, o kolik maj\xED b\xFDt titulky prodlou\x9E" "eny:", Plain) \
    X(OperationsFrameEnlarge2, "- kladn\xE9 \xE8\xEDslo pro prodlo\x9E" "en\xED (titulky jsou na obrazovce moc kr\xE1tce)", Plain) \
    X(OperationsFrameEnlarge3, "- z\xE1porn\xE9 \xE8\xEDslo pro zkr\xE1" "cen\xED (titulky jsou na obrazovce moc dlouho)", Plain) \
    X(OperationsFrameEnlarge4, "po\xE8" "et sn\xEDmk\xF9", Plain) \
    X(OperationsDepressDelay0, "Manipulace se sn\xEDmky - ZKR\xC1" "CEN\xCD KR\xC1TK\xDD" "CH PRODLEV", Plain) \
    X(OperationsDepressDelay1, "Vlo\x9E limit po\xE8tu sn\xEDmk\xF9 bez titulk\xF9, kter\xFD m\xE1 b\xFDt zacelen prodlou\x9E" "en\xEDm titulku.", Plain) \
    X(OperationsDepressDelay2, "Prodleva mezi titulky, kter\xE1 je men\x9A\xED nebo stejn\xE1 jako zadan\xFD limit bude zkr\xE1" "cena", Plain) \
    X(OperationsDepressDelay3, "na implicitn\xED prodlevu (viz Nastaven\xED - implicitn\xED prodleva mezi titulky)", Plain) \
    X(OperationsDepressDelay4, "po\xE8" "et sn\xEDmk\xF9", Plain) \
    X(OperationsFPS0, "Po\xE8" "et sn\xEDmk\xF9 za sekundu", Plain) \
    X(OperationsFPS1, "Vlo\x9E FPS, kter\xE9 m\xE1 videosoubor p\xF8idru\x9E" "en\xFD k titulk\xF9m:", Plain) \
    X(OperationsFPS2, "- u soubr\xF9 AVI lze zjistit FPS ve vlastnostech souboru", Plain) \
    X(OperationsFPS3, "- u soubr\xF9 MPEG lze zjistit FPS pomoc\xED programu TMPGEnc", Plain) \
    X(OperationsFPS4, "po\xE8" "et sn\xEDmk\xF9 za sekundu videosouboru (1-60)", Plain) \
    X(InvalidRange, "\xC8\xEDslo mimo platn\xFD rozsah!", Plain) \
    X(TooLowLimit, "Limit mus\xED b\xFDt v\xECt\x9A\xED ne\x9E defaultn\xED prodleva!", Plain) \
    X(AnalysisFc, "Anal\xFDzy", Plain) \
    X(AnalysisPc, "Analyzuj \xF8\xE1" "dky podle \x9A\xED\xF8ky v bodech", Plain) \
    X(AnalysisPh, "Napln\xED pole \x9A\xED\xF8kami \xF8\xE1" "dek v bodech\\Na se\xF8" "ad\xED je od neju\x9E\x9A\xED po nej\x9Air\x9A\xED", Breaks) \
    X(AnalysisPp, "P\xF8" "edchoz\xED", Plain) \
    X(AnalysisPa, "Aktu\xE1ln\xED", Plain) \
    X(AnalysisPn, "N\xE1sleduj\xED" "c\xED", Plain) \
    X(AnalysisNl, "Po\xE8" "et \xF8\xE1" "dek v poli:", Plain) \
    X(AnalysisAi, "Aktu\xE1ln\xED index v poli:", Plain) \
    X(AnalysisWp, "\x8A\xED\xF8ka \xF8\xE1" "dky v bodech:", Plain) \
    X(AnalysisXc, "Vyma\x9E", Plain) \
    X(AnalysisXh, "Vyma\x9E" "e v\xFDsledky anal\xFDz", Breaks) \
    X(ButtonClose, "&Zav\xF8i", Plain) \
    X(AnalysisCh, "Zav\xF8" "e okno, ale anal\xFDzy \x9A\xED\xF8" "ek se budou\\Nst\xE1le vypo\xE8\xEDt\xE1vat a aktualizovat!", Breaks) \
    X(AnalysisWc, "\x8A\xED\xF8ka \xF8\xE1" "dky ve znac\xED" "ch:", Plain) \
    X(HelpSaveAsDialog, "Ulo\x9Eit n\xE1pov\xEC" "du do souboru", Plain) \
    X(ExamC, "Zkou\x9Aka rychlosti \xE8ten\xED", Plain) \
    X(DwellC, "\xC8" "as zobrazen\xED titulk\xF9", Plain) \
    X(ExamLSpeed, "Rychlost zobrazov\xE1n\xED\\Ntextu", Breaks) \
    X(ExamLFix, "Minim\xE1ln\xED \xE8" "as,\\Npo kter\xFD mus\xED b\xFDt titulek zobrazen:", Breaks) \
    X(CharsPerSec, "znak\xF9 za sekundu", Plain) \
    X(Millisecond, "milisekund", Plain) \
    X(DwellRequires, "Aby \x9Alo spo\xE8\xEDtat \xE8" "as, mus\xED b\xFDt...", Plain) \
    X(DwellReqFPS, "Mus\xED b\xFDt spr\xE1vn\xEC nastaven\\Npo\xE8" "et sn\xEDmk\xF9 za sekundu videosouboru!", Breaks) \
    X(ExamBDecSpd, "Sn\xED\x9E\xED rychlost o 1 znak/sec", Breaks) \
    X(ExamBIncSpd, "Zv\xFD\x9A\xED rychlost o 1 znak/sec", Breaks) \
    X(ExamBDecDly, "Zmen\x9A\xED minim\xE1ln\xED \xE8" "as zobrazen\xED titulku o 10 ms", Breaks) \
    X(ExamBIncDly, "Zv\xECt\x9A\xED minim\xE1ln\xED \xE8" "as zobrazen\xED titulku o 10 ms", Breaks) \
    X(RadioGroupRangeC, "P\xF8" "epo\xE8\xEDtat", Plain) \
    X(RadioGroupRangeC0, "&od aktu\xE1ln\xED pozice", Plain) \
    X(RadioGroupRangeC1, "&v\x9A" "echny titulky", Plain) \
    X(RadioGroupStintC, "Omezen\xED", Plain) \
    X(RadioGroupStintC0, "&respektuj z\xE1mek (zam\xE8" "en\xE9 titulky vynech)", Plain) \
    X(RadioGroupStintC1, "&ignoruj z\xE1mek (bez omezen\xED)", Plain) \
    X(RadioGroupStintC2, "po&uze ozna\xE8" "en\xE9 titulky", Plain) \
    X(RearrangeUnmarkedL, "P\xF8" "epo\xE8\xEDtat i po\xE8\xE1te\xE8n\xED sn\xEDmky titulk\xF9\\Nu neozna\xE8kovan\xFD" "ch titulk\xF9?", Breaks) \
    X(RearrangeUnmarkedB, "&Ano, zna\xE8ky ohrani\xE8uj\xED zesynchronizovan\xE9 dialogy", Plain) \
    X(RearrangeUnmarkedH, "Fajfka zna\xE8\xED, \x9E" "e neozna\xE8kovan\xE9 titulky maj\xED\\Npo\xE8\xE1te\xE8n\xED sn\xEDmek nastaven\xFD na nepodstatnou hodnotu,\\Nkter\xE1 m\xF9\x9E" "e b\xFDt nahrazena vypo\xE8ten\xFDm \xE8\xEDslem sn\xEDmku", Breaks) \
    X(RecalculateT, "&Test", Plain) \
    X(RecalculateA, "&P\xF8ijmi", Plain) \
    X(RecalculateF, "Manipulace se sn\xEDmky - P\xD8" "EPO\xC8" "ET", Plain) \
    X(RecalculateP, "Prvn\xED synchroniza\xE8n\xED bod:", Plain) \
    X(RecalculateD, "Druh\xFD synchroniza\xE8n\xED bod:", Plain) \
    X(RecalculateM, "Moment\xE1ln\xEC je:", Plain) \
    X(RecalculateN, "Spr\xE1vn\xEC m\xE1 b\xFDt:", Plain) \
    X(RecalculateH, "Zadej \xE8\xEDslo sn\xEDmku", Breaks) \
    X(RecalculateX, "Vlo\x9E\xED \xE8\xEDslo sn\xEDmku\\Nz aktu\xE1ln\xEDho titulku (OD)", Breaks) \
    X(RecalculateY, "Vlo\x9E\xED \xE8\xEDslo sn\xEDmku\\Nz aktu\xE1ln\xED pozice P\xF8" "ehr\xE1va\xE8" "e", Breaks) \
    X(DetermineRangeRadioGroupRangeBeginCaption, "Rozsah - po\xE8\xE1tek", Plain) \
    X(DetermineRangeRadioGroupRangeBeginItem0, "od &za\xE8\xE1tku", Plain) \
    X(DetermineRangeRadioGroupRangeBeginItem1, "&od aktu\xE1ln\xED pozice", Plain) \
    X(DetermineRangeRadioGroupRangeEndCaption, "Rozsah - konec", Plain) \
    X(DetermineRangeRadioGroupRangeEndItem0, "&do aktu\xE1ln\xED pozice", Plain) \
    X(DetermineRangeRadioGroupRangeEndItem1, "do &konce", Plain) \
    X(DetermineRangeRadioGroupRangeStintCaption, "Omezen\xED", Plain) \
    X(DetermineRangeRadioGroupRangeStintItem0, "&respektuj z\xE1mek (zam\xE8" "en\xE9 titulky vynech)", Plain) \
    X(DetermineRangeRadioGroupRangeStintItem1, "&ignoruj z\xE1mek (bez omezen\xED)", Plain) \
    X(DetermineRangeRadioGroupRangeStintItem2, "po&uze ozna\xE8" "en\xE9 titulky", Plain) \
    X(DetermineRangeButtonDoThis, "&Prove\xEF", Plain) \
    X(DetermineRangeButtonCancel, "Storno", Plain) \
    X(RemoveBreaksCaption, "Odstranit v\x9A" "echna zalomen\xED z titulk\xF9", Plain) \
    X(RemoveBreaksCheckBoxRangeExcept, "Dialogy ponechat zalomen\xE9", Plain) \
    X(LockLinesCaption, "Zamknout v\x9A" "echny titulky", Plain) \
    X(LockLinesCheckBoxRangeExcept, "Zamkni pouze Dialogy", Plain) \
    X(UnLockLinesCaption, "Odemknout v\x9A" "echny titulky", Plain) \
    X(UnLockLinesCheckBoxRangeExcept, "Neodemykej Dialogy", Plain) \
    X(WrongDigit, "Toto nen\xED \xE8\xEDslice:", Breaks) \
    X(WrongNumbers, "Sn\xEDmky OD a DO nemohou b\xFDt stejn\xE9!", Breaks) \
    X(TestRequires, "Aby fungoval test, mus\xED b\xFDt...", Plain) \
    X(DivXG400Req1, "Mus\xED b\xFDt regul\xE9rn\xEC nainstalov\xE1n a nakonfigurov\xE1n DirectShow Subtitler DivXG400.", Breaks) \
    X(DivXG400Req2, "Tento sice nainstalov\xE1n je, ale v \"Search Path\" nem\xE1 uvedenou \x9E\xE1" "dnou slo\x9Eku,\\Nve kter\xE9 by bylo mo\x9En\xE9 vytvo\xF8it testovac\xED soubor.", Breaks) \
    X(TestReqMovie, "Mus\xED b\xFDt spolu s titulky otev\xF8" "en tak\xE9 videosoubor.", Breaks) \
    X(TestReqDiffF, "Soubor titulk\xF9 kter\xFD je pr\xE1v\xEC te\xEF otev\xF8" "en se mus\xED nach\xE1zet\\Nv jin\xE9 slo\x9E" "ce ne\x9E v t\xE9, ve kter\xE9 by m\xECl b\xFDt vytvo\xF8" "en testovac\xED\\Nsoubor (aby nebyl testovac\xEDm souborem p\xF8" "eps\xE1n)!", Breaks) \
    X(FileAlreadyExists, "Soubor shodn\xE9ho jm\xE9na ji\x9E existuje", Plain) \
    X(TestNoOverwrites, "Testovac\xED soubor nesm\xECl p\xF8" "epsat:", Plain) \
    X(NotEnoughRAM, "Nedostatek voln\xE9 pam\xECti!", Breaks) \
    X(RemainingScope, "Operace plat\xED pro cel\xFD zbytek (vyjma zam\xE8" "en\xFD" "ch) titulk\xF9! Opravdu prov\xE9st?", Breaks) \
    X(NearEntireScope, "Operace plat\xED pro cel\xFD rozsah (vyjma zam\xE8" "en\xFD" "ch) titulk\xF9! Opravdu prov\xE9st?", Breaks) \
    X(TrueEntireScope, "Operace plat\xED pro cel\xFD rozsah (v\xE8" "etn\xEC zam\xE8" "en\xFD" "ch) titulk\xF9! Opravdu prov\xE9st?", Breaks) \
    X(FewLines, "Pro tuto operaci mus\xED b\xFDt v souboru alespo\xF2 2 titulky!", Plain) \
    X(Info, "Informace", Plain) \
    X(Output, "V\xFDsledek", Plain) \
    X(Sub1chg, "titulek byl zm\xECn\xECn!", Plain) \
    X(Sub2chg, "titulky byly zm\xECn\xECny!", Plain) \
    X(Sub3chg, "titulk\xF9 bylo zm\xECn\xECno!", Plain) \
    X(Sub1oor, "titulek se ocitl mimo meze!", Plain) \
    X(Sub2oor, "titulky se ocitly mimo meze!", Plain) \
    X(Sub3oor, "titulk\xF9 se ocitlo mimo meze!", Plain) \
    X(Sub1cut, "titulek p\xF8" "es\xE1hl do n\xE1sleduj\xED" "c\xEDho titulku a proto byl zkr\xE1" "cen.", Breaks) \
    X(Sub2cut, "titulky p\xF8" "es\xE1hly do n\xE1sleduj\xED" "c\xEDho titulku a proto byly zkr\xE1" "ceny.", Breaks) \
    X(Sub3cut, "titulk\xF9 p\xF8" "es\xE1hlo do n\xE1sleduj\xED" "c\xEDho titulku a proto byly zkr\xE1" "ceny.", Breaks) \
    X(Sub1shr, "titulek byl oproti p\xF9vodn\xEDmu zkr\xE1" "cen.", Breaks) \
    X(Sub2shr, "titulky byly oproti p\xF9vodn\xEDmu zkr\xE1" "ceny.", Breaks) \
    X(Sub3shr, "titulk\xF9 bylo oproti p\xF9vodn\xEDmu zkr\xE1" "ceno.", Breaks) \
    X(Sub1lrg, "titulek byl oproti p\xF9vodn\xEDmu prodlou\x9E" "en.", Breaks) \
    X(Sub2lrg, "titulky byly oproti p\xF9vodn\xEDmu prodlou\x9E" "eny.", Breaks) \
    X(Sub3lrg, "titulk\xF9 bylo oproti p\xF9vodn\xEDmu prodlou\x9E" "eno.", Breaks) \
    X(BakNotCreated, "Nepoda\xF8ilo se vytvo\xF8it z\xE1lo\x9En\xED soubor:\\N", Breaks) \
    X(FrameNumber, "\xC8\xEDslo sn\xEDmku", Breaks) \
    X(FrameCapture, "Zachyceno:", Breaks) \
    X(WindowsMediaPlayerCaptionInactive, "Windows Media Player - N\xE1hed", Plain) \
    X(WindowsMediaPlayerCaptionActive, "n\xE1hled ve Windows Media Player", Plain) \
    X(OpenDivXG400Warning, "Otev\xF8" "en\xED videosouboru, kter\xFD nem\xE1 shodn\xFD n\xE1zev se souborem titulk\xF9\\Nm\xF9\x9E" "e v\xE9st k tomu, \x9E" "e DivXG400 nezobraz\xED zde otev\xF8" "en\xE9 titulky!", Breaks) \
    X(OpenMovieWarning, "Otev\xF8" "en\xED videosouboru, kter\xFD nen\xED p\xF8idru\x9E" "en k souboru\\Ns titulky vede k nep\xF8" "edv\xED" "dateln\xFDm v\xFDsledk\xF9m!", Breaks) \
    X(NoDirectSpeech, "Text titulku mus\xED b\xFDt alespo\xF2 1x zalomen!", Plain) \
    X(AreYouSureToOverwrite, "Opravdu p\xF8" "epsat st\xE1vaj\xED" "c\xED soubor?", Breaks) \
    X(AreYouSureToMerge, "Opravdu p\xF8ipojit k tomuto titulku n\xE1sleduj\xED" "c\xED titulek? (Nelze \"Zp\xECt\")", Breaks) \
    X(AreYouSureToDelete, "Opravdu smazat titulek? (Nelze \"Zp\xECt\")", Breaks) \
    X(NoLineToJoin, "Za posledn\xEDm titulkem u\x9E nen\xED \x9E\xE1" "dn\xE1 \xF8\xE1" "dka,\\Nproto k n\xECmu nen\xED co p\xF8ipojit!", Breaks) \
    X(OneLineDeleted, "Titulek byl smaz\xE1n", Breaks) \
    X(NoLineDeleted, "\x8E\xE1" "dn\xFD titulek nebyl smaz\xE1n", Breaks) \
    X(NoMoreLines, "Dal\x9A\xED titulky ji\x9E nelze p\xF8idat", Breaks) \
    X(SaveToDivXG400Folder, "Chce\x9A zkusit ulo\x9Eit soubor do slo\x9Eky:", Breaks) \
    X(ErrSaveFile, "Proto\x9E" "e ulo\x9E" "en\xED souboru selhalo...", Breaks) \
    X(Error, "Chyba", Plain) \
    X(Warning, "Upozorn\xECn\xED", Plain) \
    X(CommonError, "Bl\xED\x9E" "e nespecifikovan\xFD probl\xE9m", Breaks) \
    X(IOError, "Vstupn\xEC/V\xFDstupn\xED chyba", Breaks) \
    X(FileNotFound, "Soubor nebyl nalezen", Breaks) \
    X(PathNotFound, "Cesta nebyla nalezena", Breaks) \
    X(AccessDenied, "P\xF8\xEDstup odep\xF8" "en", Breaks) \
    X(SharingViolation, "nepovolen\xE9 sd\xEDlen\xED (soubor je obsazen jin\xFDm programem)", Breaks) \
    X(EndOfFile, "Konec souboru", Breaks) \
    X(DiskFull, "Pln\xFD disk", Breaks) \
    X(FileVariableNotAssigned, "Nen\xED zinicializovn\xE1 prom\xECnn\xE1 pro p\xF8\xEDstup k souboru", Breaks) \
    X(FileNotOpen, "Soubor nen\xED otev\xF8" "en", Breaks) \
    X(FileNotOpenForInput, "Soubor nen\xED otev\xF8" "en pro \xE8ten\xED", Breaks) \
    X(FileNotOpenForOutput, "Soubor nen\xED otev\xF8" "en pro z\xE1pis", Breaks) \
    X(ErrorInFormattedInput, "Chyba form\xE1tovan\xE9ho vstupu", Breaks) \
    X(FileAlreadyOpen, "Soubor je ji\x9E otev\xF8" "en", Breaks) \
    X(NoValidFile, "Neplatn\xFD form\xE1t souboru titulk\xF9", Breaks) \
    X(FrameOutOfRange, "\xC8\xEDslo sn\xEDmku je mimo rozsah (nejv\xFD\x9A" "e 9999999), pole z\xF9stalo beze zm\xECny", Plain) \
    X(TooManySubtitles, "Soubor obsahuje %1 titulk\xF9, na\xE8teno bylo jen prvn\xED" "ch %2.\\NPo ulo\x9E" "en\xED do tohoto souboru by zbyl\xE9 titulky chyb\xECly.", Breaks) \
    X(TextsCut, "%1 titulk\xF9 bylo del\x9A\xED" "ch ne\x9E %2 znak\xF9, jejich text byl zkr\xE1" "cen.", Breaks) \
    X(TextsCut1, "%1 titulek byl del\x9A\xED ne\x9E %2 znak\xF9, jeho text byl zkr\xE1" "cen.", Breaks) \
    X(TextsCut2, "%1 titulky byly del\x9A\xED ne\x9E %2 znak\xF9, jejich text byl zkr\xE1" "cen.", Breaks) \
    X(SaveOverIncompleteFile, "Dokument neobsahuje cel\xFD soubor (viz upozorn\xECn\xED p\xF8i otev\xF8" "en\xED).\\NUlo\x9E" "en\xEDm do n\xECj se chyb\xECj\xED" "c\xED \xE8\xE1st ztrat\xED. P\xF8" "esto ulo\x9Eit?", Breaks) \
    X(BrowserNotStarted, "Prohl\xED\x9E" "e\xE8 se nepoda\xF8ilo spustit, str\xE1nku otev\xF8" "ete sami: %1", Plain) \
    X(FontDialogColour, "&Barva...", Plain) \
    X(MovieNotPlayable, "Videosoubor nelze p\xF8" "ehr\xE1t, n\xE1hled z\xF9stane bez obrazu:\\N%1", Breaks) \
    X(PlayerLibraryMissing, "Knihovna libmpv nebyla nalezena, videosoubory nelze p\xF8" "ehr\xE1t.\\NNainstalujte knihovnu libmpv a spus\x9Dte program znovu.", Breaks) \
    X(GirderBreakLeft, "Posunout zalomen\xED v&levo", Plain) \
    X(GirderBreakRight, "Posunout zalomen\xED v&pravo", Plain) \
    X(GirderPreviousLine, "&P\xF8" "edchoz\xED titulek", Plain) \
    X(GirderNextLine, "&N\xE1sleduj\xED" "c\xED titulek", Plain) \
    X(AutomateNeedsPausedPlayer, "P\xF8" "ehr\xE1va\xE8 mus\xED b\xFDt otev\xF8" "en, mus\xED b\xFDt zn\xE1mo FPS a Sync (CTRL+K) mus\xED b\xFDt vypnut nebo mus\xED b\xFDt PAUSE!", Plain) \
    X(CaptureNeedsSync, "P\xF8" "ehr\xE1va\xE8 mus\xED b\xFDt otev\xF8" "en a Sync (CTRL+K) mus\xED b\xFDt zapnut!", Plain) \
    X(SharedNameRefused, "Soubor nelze zapsat, na jeho m\xEDst\xEC je symbolick\xFD odkaz nebo n\xEC" "co jin\xE9ho ne\x9E oby\xE8" "ejn\xFD soubor:", Breaks) \
    X(OverlapsLeft, "P\xF8" "ekryvy ponechan\xE9 k ru\xE8n\xED oprav\xEC: %1 (prvn\xED u titulku %2).\\NOprava by zm\xECnila zam\xE8" "en\xFD titulek nebo by titulek kon\xE8il d\xF8\xEDv, ne\x9E za\xE8\xEDn\xE1.", Breaks) \
    X(MenuUndoCommand, "Zp\xECt p\xF8\xEDkaz", Plain) \
    X(MenuRedoCommand, "Znovu p\xF8\xEDkaz", Plain) \
    X(MenuUndoStep, "Zp\xECt: %1", Plain) \
    X(MenuRedoStep, "Znovu: %1", Plain) \
    X(HistoryDuringTest, "P\xF8\xEDkazy nelze vracet ani opakovat, dokud okno testu ukazuje sv\xF9j n\xE1hled.", Plain) \
    X(FileDialogFolder, "Slo\x9Eka:", Plain) \
    X(FileDialogName, "N\xE1zev souboru:", Plain) \
    X(FileDialogType, "Typ soubor\xF9:", Plain) \
    X(MenuConvertFPS, "P\xF8" "ev\xE9st sn\xEDmkovou frekvenci...", Plain) \
    X(ConvertFPSCaption, "P\xF8" "evod sn\xEDmkov\xE9 frekvence", Plain) \
    X(ConvertFPSFrom, "Titulky jsou \xE8" "asov\xE1ny na (sn\xEDmk\xF9 za sekundu):", Plain) \
    X(ConvertFPSTo, "P\xF8" "ev\xE9st na (nap\xF8. 25, 23.976 nebo 24000/1001):", Plain) \
    X(ConvertFPSSpareLocked, "Zam\xE8" "en\xE9 titulky nep\xF8" "ev\xE1" "d\xECt", Plain) \
    X(ConvertFPSInvalid, "Neplatn\xE1 sn\xEDmkov\xE1 frekvence: \"%1\"", Plain) \
    X(FpsMismatch, "Titulky ud\xE1vaj\xED %1 sn\xEDmk\xF9 za sekundu, ale film jich m\xE1 %2.\\N\\NAno: p\xF8" "ev\xE9st sn\xEDmky v\x9A" "ech titulk\xF9 na frekvenci filmu (\xE8" "as titulk\xF9 z\xF9stane).\\NNe: jen p\xF8" "epsat \xFA" "daj o frekvenci na %2 (sn\xEDmky z\xF9stanou).\\NStorno: nechat v\x9A" "e, jak je.", Breaks) \
    X(FileMovieFPS, "Sn\xEDmkov\xE1 frekvence filmu:", Plain) \
    X(Find10, "P\xF8\xEDli\x9A rychl\xE9", Plain) \
    X(FindNoTooFast, "\x8E\xE1" "dn\xFD p\xF8\xEDli\x9A rychl\xFD titulek nebyl nalezen", Breaks) \
    X(FindTooFastDone, "\x8E\xE1" "dn\xFD dal\x9A\xED p\xF8\xEDli\x9A rychl\xFD titulek nebyl nalezen", Breaks) \
    X(ReadingSpeedCps, "%1 znak\xF9/s", Plain) \
    X(ReadingRowLengths, "\xD8\xE1" "dky: %1", Plain) \
    X(HintReadingSpeed, "Rychlost \xE8ten\xED: viditeln\xE9 znaky za sekundu,\\Nnad limitem z Nastaven\xED \xE8" "erven\xEC", Breaks) \
    X(HintRowLengths, "D\xE9lky \xF8\xE1" "dk\xF9 ve znac\xED" "ch,\\Nnad limitem z Nastaven\xED \xE8" "erven\xEC", Breaks) \
    X(OptionsLabelMaxCPSCaption, "znak\xF9 za sekundu - nejvy\x9A\x9A\xED rychlost \xE8ten\xED", Plain) \
    X(OptionsLabelMaxCPSHint, "Rychlej\x9A\xED titulek se v panelu\\Na v p\xF8" "ehledu titulk\xF9 zobraz\xED \xE8" "erven\xEC", Breaks) \
    X(OptionsLabelMaxRowLengthCaption, "znak\xF9 - nejdel\x9A\xED \xF8\xE1" "dek titulku", Plain) \
    X(OptionsLabelMaxRowLengthHint, "Del\x9A\xED \xF8\xE1" "dek se v panelu\\Na v p\xF8" "ehledu titulk\xF9 zobraz\xED \xE8" "erven\xEC", Breaks) \
    X(OptionsLabelAutosaveSecondsCaption, "sec mezi z\xE1lo\x9En\xEDmi kopiemi neulo\x9E" "en\xE9ho dokumentu", Plain) \
    X(OptionsLabelAutosaveSecondsHint, "Jak \xE8" "asto se neulo\x9E" "en\xFD dokument zapisuje stranou pro p\xF8\xEDpad p\xE1" "du programu\\N(0 = nikdy)", Breaks) \
    X(RecoverUnsavedChanges, "Obnovit neulo\x9E" "en\xE9 zm\xECny souboru ...?", Breaks) \
    X(Find11, "Pravopis", Plain) \
    X(FindNoSpelling, "\x8E\xE1" "dn\xFD titulek s nezn\xE1m\xFDm slovem nebyl nalezen", Breaks) \
    X(FindSpellingDone, "\x8E\xE1" "dn\xFD dal\x9A\xED titulek s nezn\xE1m\xFDm slovem nebyl nalezen", Breaks) \
    X(SpellAddWord, "P\xF8idat do m\xE9ho slovn\xEDku", Plain) \
    X(SpellIgnoreWord, "Ignorovat", Plain) \
    X(SpellNoSuggestions, "(\x9E\xE1" "dn\xE9 n\xE1vrhy)", Plain) \
    X(OptionsLabelDictionaryCaption, "Slovn\xEDk kontroly pravopisu", Plain) \
    X(OptionsLabelDictionaryHint, "Slova, kter\xE1 slovn\xEDk nezn\xE1,\\Nse v poli textu titulku podtrhnou \xE8" "erven\xEC", Breaks) \
    X(OptionsLabelDictionaryFolderCaption, "Slo\x9Eka slovn\xEDk\xF9 (Hunspell)", Plain) \
    X(OptionsDictionaryByLanguage, "podle jazyka programu", Plain) \
    X(OptionsDictionaryNone, "\x9E\xE1" "dn\xFD - bez kontroly", Plain) \
    X(Find12, "Bl\xEDzko st\xF8ihu", Plain) \
    X(FindNoNearShot, "\x8E\xE1" "dn\xFD titulek bl\xEDzko st\xF8ihu nebyl nalezen", Breaks) \
    X(FindNearShotDone, "\x8E\xE1" "dn\xFD dal\x9A\xED titulek bl\xEDzko st\xF8ihu nebyl nalezen", Breaks) \
    X(MenuImportShots, "Na\xE8\xEDst st\xF8ihy...", Plain) \
    X(MenuExportShots, "Ulo\x9Eit st\xF8ihy...", Plain) \
    X(DialogsFilterShots, "Seznam st\xF8ih\xF9 (*.TXT)|*.TXT|V\x9A" "echny soubory (*.*)|*.*", Plain) \
    X(ShotsFileInvalid, "Soubor %1 nen\xED seznam st\xF8ih\xF9.", Plain) \
    X(ShotsNotKnown, "St\xF8ihy filmu zat\xEDm nejsou zn\xE1my.", Plain) \
    X(ShotsLoaded, "St\xF8ih\xF9 ve filmu: %1", Plain) \
    X(OptionsCheckBoxSnapToShotsCaption, "P\xF8ichyt\xE1vat titulky ke st\xF8ih\xF9m", Plain) \
    X(OptionsCheckBoxSnapToShotsHint, "Za\xE8\xE1tek titulku sko\xE8\xED na bl\xEDzk\xFD st\xF8ih,\\Nkonec se zastav\xED p\xF8" "ed n\xEDm", Breaks) \
    X(OptionsLabelSnapFramesCaption, "sn\xEDmk\xF9 - vzd\xE1lenost p\xF8ichycen\xED ke st\xF8ihu", Plain) \
    X(OptionsLabelSnapFramesHint, "Jak daleko od st\xF8ihu se za\xE8\xE1tek\\Na konec titulku k n\xECmu p\xF8ichyt\xED", Breaks) \
    X(OptionsLabelShotThresholdCaption, "pr\xE1h hled\xE1n\xED st\xF8ih\xF9 (men\x9A\xED najde v\xED" "c)", Plain) \
    X(OptionsLabelShotThresholdHint, "Citlivost hled\xE1n\xED st\xF8ih\xF9 ve filmu, 1 a\x9E 100;\\Nmen\x9A\xED \xE8\xEDslo najde v\xED" "c st\xF8ih\xF9", Breaks) \
    X(MenuShowWaveform, "Zvukov\xE1 &stopa", Plain) \
    X(MenuCancelAnalysis, "P\xF8" "eru\x9Ait rozbor filmu", Plain) \
    X(WaveformReading, "\xC8tu zvuk filmu", Plain) \
    X(WaveformNoSound, "Film nem\xE1 zvuk", Plain) \
    X(WaveformUnreadable, "Zvuk filmu nelze p\xF8" "e\xE8\xEDst", Plain) \
    X(WaveformNoMovie, "Nen\xED na\xE8ten \x9E\xE1" "dn\xFD film", Plain) \
    X(HintWaveform, "Lev\xE9 tla\xE8\xEDtko: za\xE8\xE1tek titulku, prav\xE9: konec, ta\x9E" "en\xED okraje: posun,\\Ndvojklik: p\xF8" "ehr\xE1t odtud, kole\xE8ko: zv\xECt\x9A" "en\xED", Breaks) \
    X(ShotsReadingKeyFrames, "\xC8ten\xED kl\xED\xE8ov\xFD" "ch sn\xEDmk\xF9", Plain) \
    X(ShotsSearching, "Hled\xE1n\xED st\xF8ih\xF9", Plain) \
    X(MenuReloadEncoding, "Znovu na\xE8\xEDst v k\xF3" "dov\xE1n\xED", Plain) \
    X(FileDialogEncoding, "K\xF3" "dov\xE1n\xED:", Plain) \
    X(EncodingAutomatic, "automaticky", Plain) \
    X(EncodingPreview, "Takto se p\xF8" "e\xE8tou prvn\xED \xF8\xE1" "dky souboru:", Plain) \
    X(EncodingCannotHold, "K\xF3" "dov\xE1n\xED %1 tyto znaky neum\xED ulo\x9Eit: %2", Plain) \

