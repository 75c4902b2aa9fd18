// The alignment of a model's sub-models onto one master material list, the boundary materials
// and the chunk faces.

#include <algorithm>
#include <set>
#include <stdexcept>

#include "run/Cexec.h"
#include "section/Cgeom.h"
#include "submodel/Csubmodel.h"
#include "text/NumberText.h"
#include "text/PrintForm.h"

namespace vardex {
namespace {

std::string digits(long long n) {
    return plainDigits(static_cast<std::int64_t>(n));
}

} // namespace

float Cexec::masterDensity(int k) const {
    return masterDensity_.at(static_cast<std::size_t>(k));
}
float Cexec::masterSpecificHeat(int k) const {
    return masterSpecificHeat_.at(static_cast<std::size_t>(k));
}
float Cexec::masterHeat(int k) const {
    return masterHeat_.at(static_cast<std::size_t>(k));
}
float Cexec::masterConductivity(int k) const {
    return masterConductivity_.at(static_cast<std::size_t>(k));
}

bool Cexec::refuseBeyondLimits() {
    auto refuse = [&](const std::string& text) {
        app_.dialogs.inform(text);
        return true;
    };
    const int types = app_.submodelList.count();
    if (types > kMaxRunTypes)
        return refuse("The model has " + digits(types) + " sub-model types; a run takes at most " +
                      digits(kMaxRunTypes) + ".");
    if (static_cast<int>(chunkTypes.size()) > kMaxRunChunks)
        return refuse("The model has " + digits(chunkTypes.size()) +
                      " chunks; a run takes at most " + digits(kMaxRunChunks) + ".");
    std::set<std::string> names;
    for (const auto& type : app_.submodelList) {
        if (type->palette.count() > kMaxRunSections)
            return refuse("Sub-model " + type->smodname + " has " + digits(type->palette.count()) +
                          " sections; a run takes at most " + digits(kMaxRunSections) +
                          " per sub-model.");
        if (type->palette.empty()) continue;
        if (type->nx < 1 || type->ny < 1 || type->nx > 80 || type->ny > 80)
            return refuse("Sub-model " + type->smodname + " has a grid of " + digits(type->nx) +
                          " by " + digits(type->ny) + " zones; a run takes 1 to 80 each way.");
        for (int s = 1; s <= type->palette.count(); ++s) {
            const Cgeom& section = *type->palette.item(s);
            for (int i = 1; i <= type->nx; ++i)
                for (int j = 1; j <= type->ny; ++j) {
                    const int k = section.g_valarray(i, j);
                    if (k < 1 || k > kMaxMasterMaterials)
                        return refuse("Zone (" + digits(i) + ", " + digits(j) + ") of section " +
                                      digits(s) + " of sub-model " + type->smodname +
                                      " holds material " + digits(k) +
                                      "; a run takes material numbers 1 to 99.");
                    names.insert(trim(section.m_name(k)));
                }
        }
    }
    if (static_cast<int>(names.size()) > kMaxMasterMaterials)
        return refuse("The model uses " + digits(names.size()) +
                      " different materials; a run takes at most 99.");
    return false;
}

AlignResult Cexec::alignSubMods() {
    if (Txflag) return AlignResult::Done;
    if (refuseBeyondLimits()) return AlignResult::Refused;

    totalSections_ = 0;
    for (const auto& type : app_.submodelList) totalSections_ += type->palette.count();

    bool everyTypeHasSections = true;
    for (const auto& type : app_.submodelList) {
        if (type->palette.count() < 1) {
            app_.dialogs.inform(std::string("There are no sections listed in this profile") +
                                kNewLine + type->smodname + kNewLine + type->smodfile);
            everyTypeHasSections = false;
        }
    }
    if (everyTypeHasSections) {
        translation_ = std::make_unique<Translation>();
        get_culledLists();
        Txflag = true;

        const int masters = static_cast<int>(MstrMatlx.size());
        for (int m = 1; m <= app_.submodelList.count(); ++m) {
            const Csubmodel& type = *app_.submodelList.item(m);
            for (int s = 1; s <= type.palette.count(); ++s) {
                const Cgeom& section = *type.palette.item(s);
                for (int k = 1; k <= kMaxMasterMaterials; ++k) {
                    std::int16_t& entry = (*translation_)[m][s][k];
                    if (entry <= 0) continue;
                    const std::string name = trim(section.m_name(k));
                    for (int j = 1; j <= masters; ++j) {
                        if (trim(MstrMatlx[j - 1]) != name) continue;
                        entry = static_cast<std::int16_t>(j);
                        masterDensity_[j] = static_cast<float>(section.m_Rho(k));
                        masterSpecificHeat_[j] = static_cast<float>(section.m_Sp(k));
                        masterConductivity_[j] = static_cast<float>(section.m_Sig(k));
                        masterHeat_[j] = static_cast<float>(section.m_heat(k));
                    }
                }
            }
        }
        // Heat productions above 9 are taken as relative: the largest becomes 1.
        float maxHeat = -1000.0f;
        for (int j = 1; j <= masters; ++j) maxHeat = std::max(maxHeat, masterHeat_[j]);
        if (maxHeat > 9.0f)
            for (int j = 1; j <= masters; ++j)
                if (masterHeat_[j] != 0) masterHeat_[j] /= maxHeat;

        for (int m = 1; m <= app_.submodelList.count(); ++m) {
            Csubmodel& type = *app_.submodelList.item(m);
            for (int s = 1; s <= type.palette.count(); ++s)
                for (int i = 1; i <= type.nx; ++i)
                    for (int j = 1; j <= type.ny; ++j)
                        type.L_valarray(s, i, j, (*translation_)[m][s][type.getvalarray(s, i, j)]);
        }
        for (int m = 1; m <= app_.submodelList.count(); ++m)
            for (int s = 1; s <= app_.submodelList.item(m)->palette.count(); ++s)
                if (checkGrid(m, s) == AlignResult::Stop) return AlignResult::Stop;
    }
    return findBndyMaters();
}

void Cexec::purge_Alist() {
    scanNames_.fill("");
    scanNumbers_.fill(0);
}

int Cexec::get_culledLists() {
    int count = static_cast<int>(MstrMatlx.size());
    for (int m = 1; m <= app_.submodelList.count(); ++m) {
        const Csubmodel& type = *app_.submodelList.item(m);
        for (int s = 1; s <= type.palette.count(); ++s) {
            const Cgeom& section = *type.palette.item(s);
            purge_Alist();
            cellsX = type.nx;
            cellsY = type.ny;
            for (int i = 1; i <= cellsX; ++i)
                for (int j = 1; j <= cellsY; ++j) {
                    const int k = section.g_valarray(i, j);
                    if (scanNumbers_.at(static_cast<std::size_t>(k)) != 0) continue;
                    scanNames_[k] = trim(section.m_name(k));
                    scanNumbers_[k] = static_cast<std::int16_t>(k);
                    (*translation_)[m][s][k] = static_cast<std::int16_t>(k);
                }
            update_mstrmatlx();
        }
        count = static_cast<int>(MstrMatlx.size());
    }
    return count;
}

void Cexec::update_mstrmatlx() {
    for (int k = 1; k <= kMaxMasterMaterials; ++k) {
        if (scanNumbers_[k] != k) continue;
        if (std::find(MstrMatlx.begin(), MstrMatlx.end(), scanNames_[k]) == MstrMatlx.end())
            MstrMatlx.push_back(scanNames_[k]);
    }
}

AlignResult Cexec::checkGrid(int m, int s) {
    const Csubmodel& type = *app_.submodelList.item(m);
    const int masters = static_cast<int>(MstrMatlx.size());
    int errors = 0;
    float maxHeat = 0;
    for (int i = 1; i <= type.nx; ++i)
        for (int j = 1; j <= type.ny; ++j) {
            const int k = type.getvalarray(s, i, j);
            if (k < 1 || k > masters)
                ++errors;
            else
                maxHeat = std::max(maxHeat, masterHeat_[k]);
        }
    if (errors == 0) return AlignResult::Done;
    const std::string question = digits(m) + " " + digits(s) +
                                 " testvalry: errors in valarray= " + digits(errors) + kNewLine +
                                 " maxHeat= " + plainDigits(maxHeat) + kNewLine + "  Continue?  ";
    return app_.dialogs.askYesNo(question, "Error") ? AlignResult::Done : AlignResult::Stop;
}

AlignResult Cexec::findBndyMaters() {
    std::array<int, kMaxMasterMaterials + 1> marks{};
    auto mark = [&](int k) {
        if (k >= 1 && k <= kMaxMasterMaterials) marks[k] = k;
    };
    for (int m = 1; m <= app_.submodelList.count(); ++m) {
        const Csubmodel& type = *app_.submodelList.item(m);
        cellsX = type.nx;
        cellsY = type.ny;
        for (int s = 1; s <= type.palette.count(); ++s) {
            for (int i = 1; i <= cellsX; ++i) {
                mark(type.getvalarray(s, i, 1));
                mark(type.getvalarray(s, i, cellsY));
            }
            for (int j = 1; j <= cellsY; ++j) {
                mark(type.getvalarray(s, 1, j));
                mark(type.getvalarray(s, cellsX, j));
            }
            if (checkGrid(m, s) == AlignResult::Stop) return AlignResult::Stop;
        }
    }
    for (int k = 1; k <= static_cast<int>(MstrMatlx.size()); ++k) {
        if (marks[k] != k) continue;
        BndyMatIDx.push_back(" " + digits(k));
        Bndy = std::make_shared<CBoundarytype>();
        Bndy->matlName = MstrMatlx[k - 1];
        Bndy->matlNumber = static_cast<std::int16_t>(k);
        Bndy->matlRho = masterDensity_[k];
        Boundx.push_back(Bndy);
    }
    if (app_.config.testing) {
        std::string text = digits(Boundx.size()) + " EOF fndboundary: " + digits(BndyMatIDx.size());
        for (const auto& b : Boundx) text += kNewLine + b->matlName;
        app_.dialogs.inform(text);
    }
    return AlignResult::Done;
}

std::string Cexec::faceLetter(int m, int face) {
    const Csubmodel& type = *app_.submodelList.item(m);
    // A grid one zone wide still has its probe in zone 1.
    const int midX = std::max(1, type.nx / 2);
    const int midY = std::max(1, type.ny / 2);
    const int midZ = std::max(1, (type.nz + 1) / 2);
    int column = midX, row = midY, zone = midZ;
    switch (face) {
    case 1:
        row = 1;
        break;
    case 2:
        column = 1;
        break;
    case 3:
        row = type.ny;
        break;
    case 4:
        column = type.nx;
        break;
    case 5:
        zone = 1;
        break;
    case 6:
        zone = type.nz;
        break;
    }
    const int material = type.getvalarray(type.G_secnumber(zone), column, row);
    for (const auto& b : Boundx) {
        // A convective face is lettered as a held one; its record says how it exchanges heat.
        if (b->matlNumber != material || !(b->flagDirichlet || b->flagConvection)) continue;
        if (app_.config.testing)
            app_.dialogs.inform(digits(material) + "found matl " + digits(zone) + digits(row) +
                                digits(column));
        return "D";
    }
    return "N";
}

void Cexec::alignChkBounds() {
    const int types = std::min(app_.submodelList.count(), kMaxRunTypes);
    std::array<std::array<std::string, kFaces>, kMaxRunTypes + 1> letters;
    for (int m = 1; m <= types; ++m)
        for (int f = 1; f <= kFaces; ++f) letters[m][f - 1] = faceLetter(m, f);
    const int chunks = std::min(static_cast<int>(chunkTypes.size()), kMaxRunChunks);
    for (int c = 1; c <= chunks; ++c) {
        const int t = chunkTypes[c - 1];
        if (t < 1 || t > types) throw std::out_of_range("Subscript out of range");
        chunkFaces_[c - 1] = letters[t];
        // A face shared by two chunks carries no flux.
        if (c > 1) chunkFaces_[c - 1][4] = "N";
        if (c < chunks) chunkFaces_[c - 1][5] = "N";
    }
}

} // namespace vardex
