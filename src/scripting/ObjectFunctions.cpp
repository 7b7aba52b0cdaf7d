// The functions that read and turn level objects, named by their registry ids.
#include "scripting/ScriptFunctions.h"

#include "luaplus/LuaObject.h"
#include "luaplus/LuaStackObject.h"
#include "luaplus/LuaState.h"
#include "world/GameWorld.h"

#include <NxActor.h>
#include <NxController.h>

#include <cmath>
#include <string>

using irr::core::vector3df;
using vphysx::NxMat33;
using vphysx::NxVec3;

namespace {

// The turn R = Rx(a) * Ry(b) * Rz(c), angles in radians, rows as the physics engine keeps them.
NxMat33 relativeTurn(float a, float b, float c) {
    NxMat33 rx(NxVec3(1, 0, 0), NxVec3(0, std::cos(a), -std::sin(a)), NxVec3(0, std::sin(a), std::cos(a)));
    NxMat33 ry(NxVec3(std::cos(b), 0, std::sin(b)), NxVec3(0, 1, 0), NxVec3(-std::sin(b), 0, std::cos(b)));
    NxMat33 rz(NxVec3(std::cos(c), -std::sin(c), 0), NxVec3(std::sin(c), std::cos(c), 0), NxVec3(0, 0, 1));
    return rx * ry * rz;
}

vector3df positionOf(const GameObject& object) {
    if (object.actor) {
        NxVec3 p = object.actor->getGlobalPosition();
        return vector3df(p.x, p.y, p.z);
    }
    if (object.controller) {
        const vphysx::NxExtendedVec3& p = object.controller->getPosition();
        return vector3df(static_cast<float>(p.x), static_cast<float>(p.y), static_cast<float>(p.z));
    }
    return object.node->getAbsolutePosition();
}

}  // namespace

int GetPosition(vlua::LuaState* state) {
    vlua::LuaStackObject id(state, 1);
    vlua::LuaStackObject table(state, 2);
    if (!id.IsInteger() || !table.IsTable()) return 0;

    GameObject* object = GameWorld::instance().findObject(id.GetInteger());
    if (!object) return 0;
    vector3df position = positionOf(*object);
    vlua::LuaObject fields(table);
    fields["x"].AssignNumber(position.X);
    fields["y"].AssignNumber(position.Y);
    fields["z"].AssignNumber(position.Z);
    return 0;
}

int RotateObjRelative(vlua::LuaState* state) {
    vlua::LuaStackObject id(state, 1);
    vlua::LuaStackObject angles[] = {{state, 2}, {state, 3}, {state, 4}};
    if (!id.IsInteger()) return 0;
    for (const vlua::LuaStackObject& angle : angles)
        if (!angle.IsNumber()) return 0;

    float a = static_cast<float>(angles[0].GetNumber());
    float b = static_cast<float>(angles[1].GetNumber());
    float c = static_cast<float>(angles[2].GetNumber());
    // An infinite or undefined angle would poison the orientation for good.
    if (!std::isfinite(a) || !std::isfinite(b) || !std::isfinite(c)) return 0;

    GameObject* object = GameWorld::instance().findObject(id.GetInteger());
    if (!object) return 0;
    if (object->actor) {
        NxMat33 turned = relativeTurn(a, b, c) * object->actor->getGlobalOrientation();
        if (object->actor->readBodyFlag(vphysx::NX_BF_KINEMATIC))
            object->actor->moveGlobalOrientation(turned);
        else
            object->actor->setGlobalOrientation(turned);
    } else if (object->node) {
        object->node->setRotation(object->node->getRotation() + vector3df(a, b, c));
    }
    return 0;
}

int GetObjIDByName(vlua::LuaState* state) {
    vlua::LuaStackObject name(state, 1);
    if (!name.IsString()) return 0;
    // The whole name, however long: the registry keys long names whole too.
    state->GetGlobals().SetInteger("id", GameWorld::instance().findObjectId(name.GetString()));
    return 0;
}
