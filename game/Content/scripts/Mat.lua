-- The doormat (2Mat) before the door in the north wall.
function OnCreate() end
function OnTick() end

function OnUse()
    ShowMessage("A worn mat before the door.")
end

function OnPlayerEnter()
    ShowMessage("A mat before a door. Its switch is on the wall to the left of the door.")
end
