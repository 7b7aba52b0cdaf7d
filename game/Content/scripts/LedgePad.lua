-- The pad before the ledge (2LedgePad) that fills the start room's doorway: 1.3 high, too high
-- to step onto (the player steps up 1.0), low enough to jump (2.25).
function OnCreate() end
function OnTick() end
function OnUse() end

function OnPlayerEnter()
    ShowMessage("A ledge too high to step onto. Walk at it and jump with Space.")
end
